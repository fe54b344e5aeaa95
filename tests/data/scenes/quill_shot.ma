//Maya ASCII 2024 scene
//Name: quill_shot.ma
//Last modified: Mon, Mar 04, 2024 10:12:31 AM
//Codeset: UTF-8
file -rdi 1 -ns "hero" -rfn "heroRN" -op "v=0;" -typ "mayaAscii" "$QB_QUILL_ASSETS/quill_rig.ma";
file -rdi 2 -ns "sword" -rfn "hero:swordRN" -op "v=0;" -typ "mayaAscii" "prop_sword.ma";
file -rdi 1 -ns "villain" -rfn "villainRN" -op "v=0;" -typ "mayaAscii" "D:/projects/quill/assets/quill_rig.ma";
file -rdi 2 -ns "sword" -dr 1 -rfn "villain:swordRN" -op "v=0;" -typ "mayaAscii" "prop_sword.ma";
file -r -ns "hero" -dr 1 -rfn "heroRN" -op "v=0;" -typ "mayaAscii" "$QB_QUILL_ASSETS/quill_rig.ma";
file -r -ns "villain" -dr 1 -rfn "villainRN" -op "v=0;" -typ "mayaAscii" "D:/projects/quill/assets/quill_rig.ma";
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
fileInfo "product" "Maya 2024";
fileInfo "version" "2024";
fileInfo "cutIdentifier" "202310181224-69282f2959";
fileInfo "osv" "Linux 5.15.0-91-generic #101-Ubuntu SMP";
fileInfo "shot" "sq010_sh0040";
createNode transform -s -n "persp";
	rename -uid "6DF2C595-2573-76F8-4853-BD3D951107CD";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 28 21 28 ;
createNode camera -s -n "perspShape" -p "persp";
	rename -uid "F0EFAD08-88E4-3660-5B89-07EB9C1DFC87";
	setAttr -k off ".v" no;
	setAttr ".coi" 44.821869662029947;
	setAttr ".imn" -type "string" "persp";
	setAttr ".hc" -type "string" "viewSet -p %camera";
createNode transform -s -n "top";
	rename -uid "5228B217-0E09-450F-5A8F-3C3C02D08052";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 0 1000.1 0 ;
createNode camera -s -n "topShape" -p "top";
	rename -uid "4E1FCBA9-7372-ACEF-6EC7-8D927865BD5D";
	setAttr -k off ".v" no;
	setAttr ".coi" 44.821869662029947;
	setAttr ".imn" -type "string" "top";
	setAttr ".hc" -type "string" "viewSet -p %camera";
createNode transform -s -n "front";
	rename -uid "1CFE92CC-C5CE-BE6E-36BB-0EB8211D25E4";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 0 0 1000.1 ;
createNode camera -s -n "frontShape" -p "front";
	rename -uid "E1293E71-4358-DA1B-FA31-4D13A4778F72";
	setAttr -k off ".v" no;
	setAttr ".coi" 44.821869662029947;
	setAttr ".imn" -type "string" "front";
	setAttr ".hc" -type "string" "viewSet -p %camera";
createNode transform -s -n "side";
	rename -uid "93E20EA2-9412-7B89-7A5D-01EFC71B1A42";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 1000.1 0 0 ;
createNode camera -s -n "sideShape" -p "side";
	rename -uid "027D638E-A529-2FB3-3D8E-9B925CFB3E59";
	setAttr -k off ".v" no;
	setAttr ".coi" 44.821869662029947;
	setAttr ".imn" -type "string" "side";
	setAttr ".hc" -type "string" "viewSet -p %camera";
createNode transform -n "shotCam";
	rename -uid "99EA18F2-0CA9-D9B4-20CD-80B6208E30FB";
	setAttr ".t" -type "double3" 120 40 300 ;
createNode camera -n "shotCamShape" -p "shotCam";
	rename -uid "105647F6-8304-E901-9D89-243EAE1FB650";
	setAttr -k off ".v";
	setAttr ".fl" 50;
createNode transform -n "lantern" -p "hero:COG_ctrl";
	rename -uid "8642570B-6EA0-3A2F-978B-84BC5D670CC4";
	setAttr ".t" -type "double3" 0 10 4 ;
createNode reference -n "heroRN";
	rename -uid "21FD76A0-21B9-35F6-86FD-675BA4F701F2";
	setAttr -s 3 ".phl";
	setAttr ".ed" -type "dataReferenceEdits" 
		"heroRN"
		"heroRN" 1
		2 "|hero:rig|hero:controls|hero:root_ctrl|hero:COG_ctrl" "translate" " -type \"double3\" 0 97 3";
createNode reference -n "villainRN";
	rename -uid "AF550100-24EA-3746-9567-CAFEA408F1D6";
	setAttr ".ed" -type "dataReferenceEdits" 
		"villainRN"
		"villainRN" 0;
createNode animCurveTL -n "hero_COG_ctrl_translateY";
	rename -uid "BD2C1D5D-44EC-25EC-97EE-D1C7ED970374";
	setAttr ".tan" 18;
	setAttr -s 2 ".ktv[0:1]"  1 97 24 101;
select -ne :time1;
	setAttr ".o" 12;
	setAttr ".unw" 12;
setAttr "hero:COG_ctrl.t" -type "double3" 0 97 3 ;
setAttr "villain:COG_ctrl.ikfk" 1;
connectAttr "hero_COG_ctrl_translateY.o" "hero:COG_ctrl.ty";
connectAttr "hero:head_ctrl.ry" "villain:head_ctrl.ry";
// End of quill_shot.ma
