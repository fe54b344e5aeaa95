//Maya ASCII 2024 scene
//Name: damaged_statements.ma
//Last modified: Mon, Mar 04, 2024 10:12:31 AM
//Codeset: UTF-8
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
fileInfo "product" "Maya 2024";
fileInfo "version" "2024";
fileInfo "cutIdentifier" "202310181224-69282f2959";
fileInfo "osv" "Linux 5.15.0-91-generic #101-Ubuntu SMP";
createNode transform -n "before";
	rename -uid "D992D915-54D0-6D72-3115-FE1DEC5FB0D1";
	setAttr ".t" -type "double3" 1 2 3 ;
quillUnknownCommand -flag 1;
	setAttr ".r" -type "double3" 10 20 (30 ;
createNode transform -n "after" -p "before";
	rename -uid "DEE7D118-2D19-7F15-E28E-71BC339CFF7A";
	setAttr ".tx" 4;
// End of damaged_statements.ma
