//Maya ASCII 2024 scene
//Name: face_controls.ma
//Last modified: Wed, Dec 09, 2026 09:40:12 AM
//Codeset: UTF-8
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
fileInfo "product" "Maya 2024";
fileInfo "version" "2024";
createNode transform -n "face_root";
	rename -uid "6A1E0C44-4B7E-2D01-9C3A-11AF00000001";
createNode transform -n "brow_L_ctrl" -p "face_root";
	rename -uid "6A1E0C44-4B7E-2D01-9C3A-11AF00000002";
	addAttr -ci true -sn "brow" -ln "brow" -min -1 -max 1 -at "float";
	addAttr -ci true -sn "jawX" -ln "jawX" -min -2 -max 2 -at "double";
	addAttr -ci true -sn "jawY" -ln "jawY" -min 0 -max 1 -at "double";
	addAttr -ci true -sn "ikFk" -ln "ikFk" -min 0 -max 1 -at "bool";
	addAttr -ci true -sn "mode" -ln "mode" -min 0 -max 2 -en "open:half:shut" -at "enum";
	addAttr -ci true -sn "stiff" -ln "stiff" -dv 0.25 -at "double";
	setAttr -k on ".brow" 0.5;
	setAttr -k on ".jawX";
	setAttr -k on ".jawY";
	setAttr -k on ".ikFk";
	setAttr -k on ".mode" 1;
	setAttr -l on -k on ".stiff";
createNode transform -n "brow_R_ctrl" -p "face_root";
	rename -uid "6A1E0C44-4B7E-2D01-9C3A-11AF00000003";
	addAttr -ci true -sn "brow" -ln "brow" -min -1 -max 1 -at "float";
	setAttr -k on ".brow" 0.5;
// End of face_controls.ma
