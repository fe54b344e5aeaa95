//Maya ASCII 2024 scene
//Name: twin_prop.ma
//Codeset: UTF-8
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
createNode transform -n "prop_ctrl";
createNode nurbsCurve -n "prop_ctrlShape" -p "prop_ctrl";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve"
		1 4 0 no 3
		5 0 1 2 3 4
		5
		-1 0 -1
		-1 0 1
		1 0 1
		1 0 -1
		-1 0 -1
		;
// End of twin_prop.ma
