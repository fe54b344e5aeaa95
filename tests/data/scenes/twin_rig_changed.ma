//Maya ASCII 2024 scene
//Name: twin_rig_changed.ma
//Codeset: UTF-8
file -r -ns "prop" -dr 1 -rfn "propRN" -op "v=0;" -typ "mayaAscii" "twin_prop.ma";
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
createNode transform -n "root_ctrl";
createNode nurbsCurve -n "root_ctrlShape" -p "|root_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "spine_ctrl" -p "|root_ctrl";
createNode nurbsCurve -n "spine_ctrlShape" -p "|root_ctrl|spine_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "neck_FK_ctrl" -p "|root_ctrl|spine_ctrl";
createNode nurbsCurve -n "neck_FK_ctrlShape" -p "|root_ctrl|spine_ctrl|neck_FK_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "L_arm_ctrl" -p "|root_ctrl|spine_ctrl";
createNode nurbsCurve -n "L_arm_ctrlShape" -p "|root_ctrl|spine_ctrl|L_arm_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "R_arm_ctrl" -p "|root_ctrl|spine_ctrl";
createNode nurbsCurve -n "R_arm_ctrlShape" -p "|root_ctrl|spine_ctrl|R_arm_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "head_grp" -p "|root_ctrl|spine_ctrl|neck_FK_ctrl";
createNode transform -n "head_OC" -p "|root_ctrl|spine_ctrl|neck_FK_ctrl|head_grp";
createNode nurbsCurve -n "head_OCShape" -p "|root_ctrl|spine_ctrl|neck_FK_ctrl|head_grp|head_OC";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "face_grp" -p "|root_ctrl|spine_ctrl|neck_FK_ctrl";
createNode transform -n "head_OC" -p "|root_ctrl|spine_ctrl|neck_FK_ctrl|face_grp";
createNode nurbsCurve -n "head_OCShape" -p "|root_ctrl|spine_ctrl|neck_FK_ctrl|face_grp|head_OC";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
// End of twin_rig_changed.ma
