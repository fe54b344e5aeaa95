//Maya ASCII 2024 scene
//Name: curve_controls.ma
//Codeset: UTF-8
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
createNode transform -n "ctrl_grp";
	setAttr ".t" -type "double3" 10 0 0 ;
	setAttr ".s" -type "double3" 2 2 2 ;
createNode transform -n "L_hand_ctrl" -p "ctrl_grp";
	setAttr ".t" -type "double3" 5 0 0 ;
createNode nurbsCurve -n "L_hand_ctrlShape" -p "L_hand_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve" 
		1 4 0 no 3
		5 0 1 2 3 4
		5
		-1 1 0
		1 1 0
		1 -1 0
		-1 -1 0
		-1 1 0
		;
createNode transform -n "R_hand_ctrl";
	setAttr ".t" -type "double3" -20 0 0 ;
createNode nurbsCurve -n "R_hand_ctrlShape" -p "R_hand_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve" 
		1 4 0 no 3
		5 0 1 2 3 4
		5
		-1 1 0
		1 1 0
		1 -1 0
		-1 -1 0
		-1 1 0
		;
createNode transform -n "floor_ctrl";
createNode nurbsCurve -n "floor_ctrlShape" -p "floor_ctrl";
	setAttr ".cc" -type "nurbsCurve" 
		1 4 0 no 3
		5 0 1 2 3 4
		5
		-1 0 1
		1 0 1
		1 0 -1
		-1 0 -1
		-1 0 1
		;
createNode transform -n "empty_ctrl";
// End of curve_controls.ma
