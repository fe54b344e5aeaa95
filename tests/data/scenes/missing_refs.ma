//Maya ASCII 2022 scene
//Name: missing_refs.ma
//Last modified: Mon, Mar 04, 2024 10:12:31 AM
//Codeset: 1252
file -rdi 1 -ns "ghost" -rfn "ghostRN" -op "v=0;" -typ "mayaAscii" "/no/such/folder/ghost_rig.ma";
file -rdi 1 -ns "binary" -rfn "binaryRN" -typ "mayaBinary" "binary_prop.mb";
file -r -ns "ghost" -dr 1 -rfn "ghostRN" -op "v=0;" -typ "mayaAscii" "/no/such/folder/ghost_rig.ma";
file -r -ns "binary" -dr 1 -rfn "binaryRN" -typ "mayaBinary" "binary_prop.mb";
requires maya "2022";
requires -nodeType "quillNoteNode" "quillNotes" "3.1";
currentUnit -l centimeter -a degree -t pal;
fileInfo "application" "maya";
fileInfo "note" "Café crème";
createNode transform -n "notes_grp";
	rename -uid "C466AE59-9E28-33DA-4FF0-BE079D826124";
createNode quillNoteNode -n "note1";
	rename -uid "F024E151-2410-3F60-ACBD-C61916301AAA";
	setAttr ".txt" -type "string" "Résumé of the shot";
	setAttr ".prio" 3;
createNode reference -n "ghostRN";
	rename -uid "83CC17F6-F9BD-FF9B-56D7-3232ED747BD4";
	setAttr ".ed" -type "dataReferenceEdits" 
		"ghostRN"
		"ghostRN" 0;
createNode reference -n "binaryRN";
	rename -uid "677F8127-DCF8-847F-ABA7-0087D9FCF6DB";
connectAttr "note1.prio" "notes_grp.v";
// End of missing_refs.ma
