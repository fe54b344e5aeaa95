//Maya ASCII 2024 scene
//Name: twin_rig.ma
//Codeset: UTF-8
file -r -ns "prop" -rfn "propRN" -op "v=0;" -typ "mayaAscii" "twin_prop.ma";
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
createNode transform -n "neck_ctrl" -p "|root_ctrl|spine_ctrl";
createNode nurbsCurve -n "neck_ctrlShape" -p "|root_ctrl|spine_ctrl|neck_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "arm_L_ctrl" -p "|root_ctrl|spine_ctrl";
createNode nurbsCurve -n "arm_L_ctrlShape" -p "|root_ctrl|spine_ctrl|arm_L_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "arm_R_ctrl" -p "|root_ctrl|spine_ctrl";
createNode nurbsCurve -n "arm_R_ctrlShape" -p "|root_ctrl|spine_ctrl|arm_R_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "leg_L_ctrl" -p "|root_ctrl";
createNode nurbsCurve -n "leg_L_ctrlShape" -p "|root_ctrl|leg_L_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "leg_R_ctrl" -p "|root_ctrl";
createNode nurbsCurve -n "leg_R_ctrlShape" -p "|root_ctrl|leg_R_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "head_grp" -p "|root_ctrl|spine_ctrl|neck_ctrl";
createNode transform -n "head_OC" -p "|root_ctrl|spine_ctrl|neck_ctrl|head_grp";
createNode nurbsCurve -n "head_OCShape" -p "|root_ctrl|spine_ctrl|neck_ctrl|head_grp|head_OC";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
createNode transform -n "face_grp" -p "|root_ctrl|spine_ctrl|neck_ctrl";
createNode transform -n "head_OC" -p "|root_ctrl|spine_ctrl|neck_ctrl|face_grp";
createNode nurbsCurve -n "head_OCShape" -p "|root_ctrl|spine_ctrl|neck_ctrl|face_grp|head_OC";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 2 0 no 3
		3 0 1 2
		3
		-1 0 0
		0 1 0
		1 0 0
		;
// End of twin_rig.ma
