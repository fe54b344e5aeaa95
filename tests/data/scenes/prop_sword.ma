//Maya ASCII 2024 scene
//Name: prop_sword.ma
//Last modified: Mon, Mar 04, 2024 10:12:31 AM
//Codeset: UTF-8
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
fileInfo "product" "Maya 2024";
fileInfo "version" "2024";
fileInfo "cutIdentifier" "202310181224-69282f2959";
fileInfo "osv" "Linux 5.15.0-91-generic #101-Ubuntu SMP";
createNode transform -n "sword_grp";
	rename -uid "6DAA2E3F-B8D4-AE41-0F97-0B8BF79D15EA";
createNode transform -n "blade" -p "sword_grp";
	rename -uid "96A20CC0-4293-A658-2F3D-BEBE58834864";
	setAttr ".t" -type "double3" 0 12 0 ;
createNode mesh -n "bladeShape" -p "blade";
	rename -uid "0364E6FC-4AB7-CB74-D34F-A0A0C9B250D0";
	setAttr -k off ".v";
createNode transform -n "handle" -p "sword_grp";
	rename -uid "6408EEEA-F489-02E8-F9BB-4212F8412A8C";
connectAttr "blade.sy" "handle.sy";
// End of prop_sword.ma
