//Maya ASCII 2024 scene
//Name: quill_rig.ma
//Last modified: Mon, Mar 04, 2024 10:12:31 AM
//Codeset: 932
file -rdi 1 -ns "sword" -rfn "swordRN" -op "v=0;" -typ "mayaAscii" "prop_sword.ma";
file -r -ns "sword" -dr 1 -rfn "swordRN" -op "v=0;" -typ "mayaAscii" "prop_sword.ma";
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
fileInfo "product" "Maya 2024";
fileInfo "version" "2024";
fileInfo "cutIdentifier" "202310181224-69282f2959";
fileInfo "osv" "Linux 5.15.0-91-generic #101-Ubuntu SMP";
fileInfo "rigNote" "ÉNÉCÉãÇÃÉäÉO: îØÇ∆ñ⁄";
createNode transform -s -n "persp";
	rename -uid "A8D42934-33E7-98A0-E81F-9B0CBF4E7AF6";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 28 21 28 ;
createNode camera -s -n "perspShape" -p "persp";
	rename -uid "8B4486C5-99CB-381B-6EB5-8EEA34854702";
	setAttr -k off ".v" no;
	setAttr ".coi" 44.821869662029947;
	setAttr ".imn" -type "string" "persp";
	setAttr ".hc" -type "string" "viewSet -p %camera";
createNode transform -s -n "top";
	rename -uid "F37FE7B9-C6BD-7881-20BC-3FD70E87A553";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 0 1000.1 0 ;
createNode camera -s -n "topShape" -p "top";
	rename -uid "BAEC8076-0AAF-3A94-7A2D-4F33C3B072E1";
	setAttr -k off ".v" no;
	setAttr ".coi" 44.821869662029947;
	setAttr ".imn" -type "string" "top";
	setAttr ".hc" -type "string" "viewSet -p %camera";
createNode transform -s -n "front";
	rename -uid "2BEF1F6B-80B3-6714-9F97-C413AEF2F88A";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 0 0 1000.1 ;
createNode camera -s -n "frontShape" -p "front";
	rename -uid "3E113028-F427-D2BB-6DFA-23E7A2AC704C";
	setAttr -k off ".v" no;
	setAttr ".coi" 44.821869662029947;
	setAttr ".imn" -type "string" "front";
	setAttr ".hc" -type "string" "viewSet -p %camera";
createNode transform -s -n "side";
	rename -uid "B79BCD23-68BD-7159-BF6B-BB58FC9C2429";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 1000.1 0 0 ;
createNode camera -s -n "sideShape" -p "side";
	rename -uid "B1479939-C94B-3F4A-33B2-9589D819C90F";
	setAttr -k off ".v" no;
	setAttr ".coi" 44.821869662029947;
	setAttr ".imn" -type "string" "side";
	setAttr ".hc" -type "string" "viewSet -p %camera";
createNode transform -n "rig";
	rename -uid "AAAA3BC8-075E-E326-DB1E-799DF8C4EFB3";
	addAttr -ci true -sn "rv" -ln "rigVersion" -dt "string";
	addAttr -ci true -sn "au" -ln "author" -dt "string";
	setAttr ".rv" -type "string" "2.3";
	setAttr ".au" -type "string" "è¨ó—";
lockNode -l 1 ;
createNode transform -n "geo" -p "rig";
	rename -uid "24EA816A-38E7-741B-DAAE-3BEAF019DAEE";
createNode transform -n "skeleton" -p "rig";
	rename -uid "7BB1AE69-98F2-FFD2-376C-1FDF21211A73";
createNode transform -n "controls" -p "rig";
	rename -uid "63808AD7-F4E8-9322-C3E8-D9DFD6BF76FE";
createNode transform -n "root_ctrl" -p "controls";
	rename -uid "958AD302-D3E3-74B5-3E5F-8D205D415F26";
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "root_ctrlShape" -p "root_ctrl";
	rename -uid "BCAD1974-F7F0-03EE-07C7-259207E1E5A8";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode transform -n "COG_ctrl" -p "root_ctrl";
	rename -uid "8964B481-8B23-5CB4-D83C-64A04B202F42";
	setAttr ".t" -type "double3" 0 95 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "COG_ctrlShape" -p "COG_ctrl";
	rename -uid "A4F69164-0B38-4BA6-826E-86EA1FD486AF";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 17;
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
select -ne "COG_ctrl";
	addAttr -ci true -k true -sn "ikfk" -ln "ikFkBlend" -min 0 -max 1 -at "double";
	addAttr -ci true -k true -sn "spc" -ln "space" -min 0 -max 2 -en "world:hips:chest" -at "enum";
	addAttr -ci true -sn "piv" -ln "pivotOffset" -at "double3";
	addAttr -ci true -sn "pivx" -ln "pivotOffsetX" -at "double" -p "pivotOffset";
	addAttr -ci true -sn "pivy" -ln "pivotOffsetY" -at "double" -p "pivotOffset";
	addAttr -ci true -sn "pivz" -ln "pivotOffsetZ" -at "double" -p "pivotOffset";
	setAttr -k on ".ikfk" 0.5;
	setAttr -k on ".spc" 1;
	setAttr ".piv" -type "double3" 0 1.5 -0.25 ;
createNode joint -n "root_jnt" -p "skeleton";
	rename -uid "A84BFD71-99A3-EAF2-76DE-673501F7F5CA";
	setAttr ".t" -type "double3" 0 95 0 ;
	setAttr ".jo" -type "double3" 0 0 90 ;
createNode transform -n "L_arm_grp" -p "controls";
	rename -uid "51B62296-D0E1-D010-5049-1A5C8FA5C61F";
createNode joint -n "L_arm01_jnt" -p "root_jnt";
	rename -uid "6E984DE3-6C67-6BF5-AA84-DAACD9E44C7A";
	setAttr ".t" -type "double3" 10.5 -0 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "L_arm01_ctrl_offset" -p "L_arm_grp";
	rename -uid "0E635A19-3363-254D-B16D-7BF1D8EB6C8A";
createNode transform -n "L_arm01_ctrl" -p "L_arm01_ctrl_offset";
	rename -uid "32873E81-4023-9DB3-F373-82CCE181F9E5";
	setAttr ".t" -type "double3" 10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "L_arm01_ctrlShape" -p "L_arm01_ctrl";
	rename -uid "DDEDE5F4-6262-0715-9FCD-964AF0939A0B";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 6;
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
createNode joint -n "L_arm02_jnt" -p "L_arm01_jnt";
	rename -uid "27EEF2FF-84B0-9FC5-9B6C-8E136D9588B9";
	setAttr ".t" -type "double3" 10.5 -0 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "L_arm02_ctrl_offset" -p "L_arm01_ctrl";
	rename -uid "203646E0-132C-0C5D-1973-FE3A0F152C71";
createNode transform -n "L_arm02_ctrl" -p "L_arm02_ctrl_offset";
	rename -uid "C77705E0-B6CE-BF93-8C74-A05B8B81086D";
	setAttr ".t" -type "double3" 10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "L_arm02_ctrlShape" -p "L_arm02_ctrl";
	rename -uid "37D1B3A4-6820-D71C-0C08-E4B40B74A7CE";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 6;
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
createNode joint -n "L_arm03_jnt" -p "L_arm02_jnt";
	rename -uid "FDC0781D-C7F9-BE44-989E-7D805EB63A34";
	setAttr ".t" -type "double3" 10.5 -0 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "L_arm03_ctrl_offset" -p "L_arm02_ctrl";
	rename -uid "DAB653C8-1730-C9F8-E9C5-36B1FD8D46C5";
createNode transform -n "L_arm03_ctrl" -p "L_arm03_ctrl_offset";
	rename -uid "68411BDF-1AAB-E163-53A8-85AD8B2F225B";
	setAttr ".t" -type "double3" 10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "L_arm03_ctrlShape" -p "L_arm03_ctrl";
	rename -uid "6BA44238-F135-22E0-0B86-CADFC8A3326A";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 6;
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
createNode joint -n "L_arm04_jnt" -p "L_arm03_jnt";
	rename -uid "13281111-94DF-E774-7516-8E5EB4DB8E74";
	setAttr ".t" -type "double3" 10.5 -0 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "L_arm04_ctrl_offset" -p "L_arm03_ctrl";
	rename -uid "ACEB2AAA-18A4-B0D2-5A2F-92C70A5FC815";
createNode transform -n "L_arm04_ctrl" -p "L_arm04_ctrl_offset";
	rename -uid "F60F4660-14EC-A798-CB14-E3E43D5B5B26";
	setAttr ".t" -type "double3" 10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "L_arm04_ctrlShape" -p "L_arm04_ctrl";
	rename -uid "46C69697-F595-92E3-ADC0-643C223FC545";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 6;
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
createNode joint -n "L_arm05_jnt" -p "L_arm04_jnt";
	rename -uid "CEBAB812-E827-E86C-E165-0B1059117D24";
	setAttr ".t" -type "double3" 10.5 -0 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "L_arm05_ctrl_offset" -p "L_arm04_ctrl";
	rename -uid "F58CF4FF-C680-AB9F-9AE3-C19DC2C61574";
createNode transform -n "L_arm05_ctrl" -p "L_arm05_ctrl_offset";
	rename -uid "6FAE5523-B2AA-4460-AE93-BAD2E9B11F69";
	setAttr ".t" -type "double3" 10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "L_arm05_ctrlShape" -p "L_arm05_ctrl";
	rename -uid "9A615BB8-783C-5853-856F-3E9458FF5DA2";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 6;
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
createNode transform -n "L_arm_thumb" -p "L_arm05_ctrl";
	rename -uid "F76C2450-0844-8799-B604-135363DBB78A";
createNode transform -n "thumb_01" -p "L_arm_thumb";
	rename -uid "02165D6F-914D-D152-26E5-59740B49560A";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "thumb_02" -p "thumb_01";
	rename -uid "F5FF4A29-F8F0-F0A0-1C8D-C94785D25576";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "thumb_03" -p "thumb_02";
	rename -uid "B01DF1BF-D195-8C17-F1E1-9BEB9EE0330F";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "L_arm_index" -p "L_arm05_ctrl";
	rename -uid "2EDB61AC-94FE-F0D5-0884-3DFA79FC596B";
createNode transform -n "index_01" -p "L_arm_index";
	rename -uid "B1D97BDA-08B8-E15A-9C65-D156D0C7B32E";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "index_02" -p "index_01";
	rename -uid "0C775583-6DFB-AF7F-CEDD-584504E701C8";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "index_03" -p "index_02";
	rename -uid "29F40009-6D97-8FA0-F8F6-E4A14ACDBE3F";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "L_arm_middle" -p "L_arm05_ctrl";
	rename -uid "E618C967-2B3C-736D-4AAF-B45110630FDF";
createNode transform -n "middle_01" -p "L_arm_middle";
	rename -uid "DE464395-9BD4-B73E-1115-A2001933F0FB";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "middle_02" -p "middle_01";
	rename -uid "D830AF20-0540-3A5D-E146-5E7F08753A97";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "middle_03" -p "middle_02";
	rename -uid "8BAD1C35-6C5C-DEFA-EB32-2C8CAE4287A0";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "L_arm_ring" -p "L_arm05_ctrl";
	rename -uid "46D4766A-F0BF-A6FE-CE3D-D93E05D3C445";
createNode transform -n "ring_01" -p "L_arm_ring";
	rename -uid "5257DF30-EFE4-92B2-D1C0-48037D97BAA3";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "ring_02" -p "ring_01";
	rename -uid "B864AB50-8C03-9D91-A093-B8C8A6072485";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "ring_03" -p "ring_02";
	rename -uid "1C61580F-19C2-D00F-076A-B009652BF360";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "L_arm_pinky" -p "L_arm05_ctrl";
	rename -uid "3CE5C7A6-708C-BCDA-34F6-AD26F73F24A9";
createNode transform -n "pinky_01" -p "L_arm_pinky";
	rename -uid "D69B2335-253E-6D30-3BFF-589D4E5E74D1";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "pinky_02" -p "pinky_01";
	rename -uid "62C7F4A4-FBB5-511B-800A-E22F98855311";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "pinky_03" -p "pinky_02";
	rename -uid "50F9A2C1-CE9B-A3EC-9F9C-BC3966DECE8C";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "L_leg_grp" -p "controls";
	rename -uid "EB862929-83DE-5118-14DC-068EB3292708";
createNode joint -n "L_leg01_jnt" -p "root_jnt";
	rename -uid "27871FDA-BB7B-2246-10E6-E6C5A74219E2";
	setAttr ".t" -type "double3" 10.5 -12.25 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "L_leg01_ctrl_offset" -p "L_leg_grp";
	rename -uid "0610FC52-0B4C-08CF-B054-0F5BEDA774FC";
createNode transform -n "L_leg01_ctrl" -p "L_leg01_ctrl_offset";
	rename -uid "52CD0759-3E0A-BD73-65A7-AB0624D291B9";
	setAttr ".t" -type "double3" 10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "L_leg01_ctrlShape" -p "L_leg01_ctrl";
	rename -uid "52E7B465-47F8-5408-334F-D56E11398340";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 6;
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
createNode joint -n "L_leg02_jnt" -p "L_leg01_jnt";
	rename -uid "A801C6EB-37E7-5052-7867-F4696F75C1CE";
	setAttr ".t" -type "double3" 10.5 -12.25 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "L_leg02_ctrl_offset" -p "L_leg01_ctrl";
	rename -uid "8661C011-01B9-B0EE-3D4F-52757FDB149D";
createNode transform -n "L_leg02_ctrl" -p "L_leg02_ctrl_offset";
	rename -uid "19AB090D-B6ED-7405-F99E-22C1E9F7D85A";
	setAttr ".t" -type "double3" 10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "L_leg02_ctrlShape" -p "L_leg02_ctrl";
	rename -uid "363DE98F-368B-0849-05F2-267E1A8671DD";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 6;
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
createNode joint -n "L_leg03_jnt" -p "L_leg02_jnt";
	rename -uid "8E29F6B4-248A-C53A-197F-2EE5C1F2C581";
	setAttr ".t" -type "double3" 10.5 -12.25 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "L_leg03_ctrl_offset" -p "L_leg02_ctrl";
	rename -uid "F6D36F28-09AD-A1E5-2262-EE11BBF46B2F";
createNode transform -n "L_leg03_ctrl" -p "L_leg03_ctrl_offset";
	rename -uid "BA40E24D-AE35-ADE7-F8F1-5F039F3AD2F5";
	setAttr ".t" -type "double3" 10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "L_leg03_ctrlShape" -p "L_leg03_ctrl";
	rename -uid "2A00FC05-CB6A-7845-2A4B-DA8B8A98E220";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 6;
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
createNode joint -n "L_leg04_jnt" -p "L_leg03_jnt";
	rename -uid "0E29919D-FC38-2730-860E-B3B8F089F6DA";
	setAttr ".t" -type "double3" 10.5 -12.25 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "L_leg04_ctrl_offset" -p "L_leg03_ctrl";
	rename -uid "89788A24-7C0C-B431-635D-894F0D9B3489";
createNode transform -n "L_leg04_ctrl" -p "L_leg04_ctrl_offset";
	rename -uid "BC95630B-BE82-E50C-6AC4-500F1DB532B0";
	setAttr ".t" -type "double3" 10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "L_leg04_ctrlShape" -p "L_leg04_ctrl";
	rename -uid "3B0C16BA-2AF2-D496-57A0-786934B4F69D";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 6;
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
createNode joint -n "L_leg05_jnt" -p "L_leg04_jnt";
	rename -uid "4DD96439-03FD-F6DF-8C31-D3B20F2DFF0E";
	setAttr ".t" -type "double3" 10.5 -12.25 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "L_leg05_ctrl_offset" -p "L_leg04_ctrl";
	rename -uid "AC88F8FD-31FC-06A9-6AC9-EF8142ED2A34";
createNode transform -n "L_leg05_ctrl" -p "L_leg05_ctrl_offset";
	rename -uid "95771F49-D1CA-8D76-7008-F88C8614C5DF";
	setAttr ".t" -type "double3" 10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "L_leg05_ctrlShape" -p "L_leg05_ctrl";
	rename -uid "F79F0142-5303-3740-7E1B-F21BB89557E8";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 6;
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
createNode transform -n "L_leg_thumb" -p "L_leg05_ctrl";
	rename -uid "C98FBBFC-C769-BE73-C2F8-5F37418A3A83";
createNode transform -n "thumb_01" -p "L_leg_thumb";
	rename -uid "4AC1CB7A-A5EB-A471-E71B-A8254678E31F";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "thumb_02" -p "L_leg_thumb|thumb_01";
	rename -uid "D4612766-9491-DA76-D185-7100F8738F5D";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "thumb_03" -p "L_leg_thumb|thumb_01|thumb_02";
	rename -uid "D5757AB4-0C93-CB3B-C9FD-3D1B790CC28A";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "L_leg_index" -p "L_leg05_ctrl";
	rename -uid "E25CCE53-F2FE-7A79-678E-510F43032350";
createNode transform -n "index_01" -p "L_leg_index";
	rename -uid "FF743BCD-0DD8-078D-C7DE-D0DD0E8F2938";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "index_02" -p "L_leg_index|index_01";
	rename -uid "2FA038F3-4EC1-B686-CC3E-FE169A49EBAA";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "index_03" -p "L_leg_index|index_01|index_02";
	rename -uid "F99E8847-3B7D-682D-4BED-CF27994951D4";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "L_leg_middle" -p "L_leg05_ctrl";
	rename -uid "81120882-407D-C924-9178-B99A3845A067";
createNode transform -n "middle_01" -p "L_leg_middle";
	rename -uid "9B3C75F7-B1A9-AF72-6B4B-3298B6DA1807";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "middle_02" -p "L_leg_middle|middle_01";
	rename -uid "51F7EB37-B58A-7A35-9BA6-AC660733BFD9";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "middle_03" -p "L_leg_middle|middle_01|middle_02";
	rename -uid "4BF0425A-77CD-01C8-35AE-C20FC33451B8";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "L_leg_ring" -p "L_leg05_ctrl";
	rename -uid "C30FA929-0369-17AF-D4CF-DD7B183C351E";
createNode transform -n "ring_01" -p "L_leg_ring";
	rename -uid "D68860CB-197B-142B-83F3-3C28FA9CB316";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "ring_02" -p "L_leg_ring|ring_01";
	rename -uid "BE6E690D-0F72-2210-DDC8-D0ED00476D3A";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "ring_03" -p "L_leg_ring|ring_01|ring_02";
	rename -uid "989452CC-FFBB-9551-AF6C-23E1E8871CC5";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "L_leg_pinky" -p "L_leg05_ctrl";
	rename -uid "CCF5B408-F064-7C1F-95FF-2FEFC2B9D52A";
createNode transform -n "pinky_01" -p "L_leg_pinky";
	rename -uid "2279DD57-127A-A291-EE9A-BCA7CF1EC839";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "pinky_02" -p "L_leg_pinky|pinky_01";
	rename -uid "F44CFC51-A41F-38CB-AECF-DD5B61006D36";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "pinky_03" -p "L_leg_pinky|pinky_01|pinky_02";
	rename -uid "B33C95A2-C396-A62C-1570-7977B037321A";
	setAttr ".t" -type "double3" 2 0 0 ;
createNode transform -n "R_arm_grp" -p "controls";
	rename -uid "7BD719BE-1E49-7083-5A97-E8ECB14383F8";
createNode joint -n "R_arm01_jnt" -p "root_jnt";
	rename -uid "C2CC3FFE-F23F-4B2D-7EC7-186E6553C784";
	setAttr ".t" -type "double3" -10.5 -0 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "R_arm01_ctrl_offset" -p "R_arm_grp";
	rename -uid "C626C12D-30A9-55D7-DE31-6E77A4F07892";
createNode transform -n "R_arm01_ctrl" -p "R_arm01_ctrl_offset";
	rename -uid "98F7DD56-F48D-F0B2-4079-26856AE2E786";
	setAttr ".t" -type "double3" -10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "R_arm01_ctrlShape" -p "R_arm01_ctrl";
	rename -uid "A28EB418-19C0-A544-C123-5DD642E04579";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode joint -n "R_arm02_jnt" -p "R_arm01_jnt";
	rename -uid "119A9789-A66C-A5EE-7DF6-CC6ACFB78776";
	setAttr ".t" -type "double3" -10.5 -0 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "R_arm02_ctrl_offset" -p "R_arm01_ctrl";
	rename -uid "38C20169-778E-E1A4-D225-2D0E5E77FECF";
createNode transform -n "R_arm02_ctrl" -p "R_arm02_ctrl_offset";
	rename -uid "1BF2C979-B0DC-57EC-2468-218144373541";
	setAttr ".t" -type "double3" -10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "R_arm02_ctrlShape" -p "R_arm02_ctrl";
	rename -uid "385CDE43-8D22-DE56-C376-67024D06C831";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode joint -n "R_arm03_jnt" -p "R_arm02_jnt";
	rename -uid "90C5D250-A846-0D54-BB77-D8A6EC2A029D";
	setAttr ".t" -type "double3" -10.5 -0 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "R_arm03_ctrl_offset" -p "R_arm02_ctrl";
	rename -uid "D3E6F597-22E2-879B-FDD3-E72059F4AB23";
createNode transform -n "R_arm03_ctrl" -p "R_arm03_ctrl_offset";
	rename -uid "96BBE03B-0C71-2DDD-F924-7E527F56C7CF";
	setAttr ".t" -type "double3" -10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "R_arm03_ctrlShape" -p "R_arm03_ctrl";
	rename -uid "1B8094FA-779D-D138-9E7C-6C6AC5D710D9";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode joint -n "R_arm04_jnt" -p "R_arm03_jnt";
	rename -uid "3919C34C-4C52-6795-7B81-8606726D1A59";
	setAttr ".t" -type "double3" -10.5 -0 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "R_arm04_ctrl_offset" -p "R_arm03_ctrl";
	rename -uid "BED18718-71E8-F63A-D63A-144BB3819894";
createNode transform -n "R_arm04_ctrl" -p "R_arm04_ctrl_offset";
	rename -uid "299C088D-34DC-AE69-7B51-266871296BB1";
	setAttr ".t" -type "double3" -10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "R_arm04_ctrlShape" -p "R_arm04_ctrl";
	rename -uid "995AE609-1396-303A-46C4-10AC1433E52E";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode joint -n "R_arm05_jnt" -p "R_arm04_jnt";
	rename -uid "D232C055-BD51-8AA7-91D9-89533B9C7086";
	setAttr ".t" -type "double3" -10.5 -0 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "R_arm05_ctrl_offset" -p "R_arm04_ctrl";
	rename -uid "C54E50A4-31DE-B54F-CE93-E6D1A99ED46A";
createNode transform -n "R_arm05_ctrl" -p "R_arm05_ctrl_offset";
	rename -uid "C7143BBB-4509-CB46-1B29-6790084046F8";
	setAttr ".t" -type "double3" -10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "R_arm05_ctrlShape" -p "R_arm05_ctrl";
	rename -uid "920E094F-3EF5-CDFA-A53F-D709AEC47FDC";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode transform -n "R_arm_thumb" -p "R_arm05_ctrl";
	rename -uid "2D6B54F9-1E60-0716-DED1-381575B38B7F";
createNode transform -n "thumb_01" -p "R_arm_thumb";
	rename -uid "699D46D6-9383-19CD-5A3E-0104CA0224E4";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "thumb_02" -p "R_arm_thumb|thumb_01";
	rename -uid "6C49775D-FD33-B6A7-E3A4-5BC670C08CD0";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "thumb_03" -p "R_arm_thumb|thumb_01|thumb_02";
	rename -uid "37776918-4687-CC05-3261-5304822D1C3F";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "R_arm_index" -p "R_arm05_ctrl";
	rename -uid "B2D5CB64-F375-0B8A-19BB-F951AF04482E";
createNode transform -n "index_01" -p "R_arm_index";
	rename -uid "21A067FA-EC25-18E2-C7AD-75689FF269E9";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "index_02" -p "R_arm_index|index_01";
	rename -uid "7CF5601C-4C4C-80B8-65BD-09878D3F7D8A";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "index_03" -p "R_arm_index|index_01|index_02";
	rename -uid "7351A0B0-1123-2EE6-F35F-E299A4653818";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "R_arm_middle" -p "R_arm05_ctrl";
	rename -uid "EB2F114C-80D4-CE50-87F4-A819FC527FF7";
createNode transform -n "middle_01" -p "R_arm_middle";
	rename -uid "25692D0C-4D7C-B6C0-F242-E88E086C7130";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "middle_02" -p "R_arm_middle|middle_01";
	rename -uid "F2CDDF86-DAF9-2D1E-A569-5C719F8EAC2C";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "middle_03" -p "R_arm_middle|middle_01|middle_02";
	rename -uid "A4254E79-5D85-2A49-A082-74BEEB6897BC";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "R_arm_ring" -p "R_arm05_ctrl";
	rename -uid "5C1945AF-8221-33CA-7F21-A769E4A01AA1";
createNode transform -n "ring_01" -p "R_arm_ring";
	rename -uid "A42C8164-DED0-0CCD-5AC3-B19D92D05C9F";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "ring_02" -p "R_arm_ring|ring_01";
	rename -uid "AA7EC212-90D2-DA7B-DD64-8943B77C7B01";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "ring_03" -p "R_arm_ring|ring_01|ring_02";
	rename -uid "FBE89AAE-5694-D6F0-AC78-F52B0423836A";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "R_arm_pinky" -p "R_arm05_ctrl";
	rename -uid "B5CFD87F-6A4B-CB76-C305-9EA5BE83AE27";
createNode transform -n "pinky_01" -p "R_arm_pinky";
	rename -uid "02E808B2-DBAF-202C-BE53-C01B06F4AEAD";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "pinky_02" -p "R_arm_pinky|pinky_01";
	rename -uid "F70015FD-BCF2-0880-28FF-78475CE40BF1";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "pinky_03" -p "R_arm_pinky|pinky_01|pinky_02";
	rename -uid "3DB24EE0-5DEA-C622-FC19-21605928582B";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "R_leg_grp" -p "controls";
	rename -uid "0F196A38-834F-5BFF-23B2-FED5973C5376";
createNode joint -n "R_leg01_jnt" -p "root_jnt";
	rename -uid "8287290D-961A-DADE-BE5A-9A8FEC97416A";
	setAttr ".t" -type "double3" -10.5 -12.25 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "R_leg01_ctrl_offset" -p "R_leg_grp";
	rename -uid "1400B9BA-8E45-A3BC-6938-2A845A9A36DC";
createNode transform -n "R_leg01_ctrl" -p "R_leg01_ctrl_offset";
	rename -uid "F82F9EB6-BCA5-5957-24A1-BDD6C0C2AD94";
	setAttr ".t" -type "double3" -10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "R_leg01_ctrlShape" -p "R_leg01_ctrl";
	rename -uid "B4582B08-853B-FEB1-3BC1-52D703C8FE25";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode joint -n "R_leg02_jnt" -p "R_leg01_jnt";
	rename -uid "7E502A44-787C-69FA-9C2C-A4C5E4D95182";
	setAttr ".t" -type "double3" -10.5 -12.25 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "R_leg02_ctrl_offset" -p "R_leg01_ctrl";
	rename -uid "953BDBFE-248E-4260-C884-529028E93708";
createNode transform -n "R_leg02_ctrl" -p "R_leg02_ctrl_offset";
	rename -uid "E70F82DB-CF91-C46F-1AFF-1F5088FA1317";
	setAttr ".t" -type "double3" -10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "R_leg02_ctrlShape" -p "R_leg02_ctrl";
	rename -uid "41C6C591-6498-8BEB-6040-26F3C3F97194";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode joint -n "R_leg03_jnt" -p "R_leg02_jnt";
	rename -uid "6A52D36C-4F14-1303-B1CB-617F0D9E82E4";
	setAttr ".t" -type "double3" -10.5 -12.25 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "R_leg03_ctrl_offset" -p "R_leg02_ctrl";
	rename -uid "94965033-7E3F-7EEB-4B3D-0AFB9777910C";
createNode transform -n "R_leg03_ctrl" -p "R_leg03_ctrl_offset";
	rename -uid "0E78569C-3440-0E0B-96CE-530165D4C2C4";
	setAttr ".t" -type "double3" -10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "R_leg03_ctrlShape" -p "R_leg03_ctrl";
	rename -uid "C384B523-2904-2AEF-461F-8FA573A56CF8";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode joint -n "R_leg04_jnt" -p "R_leg03_jnt";
	rename -uid "C9290D33-2617-EE9B-3EE2-1953A2B41ED6";
	setAttr ".t" -type "double3" -10.5 -12.25 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "R_leg04_ctrl_offset" -p "R_leg03_ctrl";
	rename -uid "909F79D5-EF6A-1227-5EF8-D76E26A61D44";
createNode transform -n "R_leg04_ctrl" -p "R_leg04_ctrl_offset";
	rename -uid "8965CE23-5AB7-E4EF-E62C-F1B406030E0B";
	setAttr ".t" -type "double3" -10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "R_leg04_ctrlShape" -p "R_leg04_ctrl";
	rename -uid "29535955-1AA5-6022-9F0E-AEBE7EFF84FA";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode joint -n "R_leg05_jnt" -p "R_leg04_jnt";
	rename -uid "C8F85920-E2D4-B5BB-5AD7-032A5C7B7EEB";
	setAttr ".t" -type "double3" -10.5 -12.25 0 ;
	setAttr ".radi" 0.75;
createNode transform -n "R_leg05_ctrl_offset" -p "R_leg04_ctrl";
	rename -uid "A4AC011A-5562-51CF-D833-57AFC4C4DA7F";
createNode transform -n "R_leg05_ctrl" -p "R_leg05_ctrl_offset";
	rename -uid "49F3B6EF-468A-ACEF-7C05-634F63D43FFB";
	setAttr ".t" -type "double3" -10.5 0 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "R_leg05_ctrlShape" -p "R_leg05_ctrl";
	rename -uid "6A0D4EE2-50C5-6642-6C0D-57ABD5B201C0";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 13;
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
createNode transform -n "R_leg_thumb" -p "R_leg05_ctrl";
	rename -uid "7FED6FE7-F6A1-5891-F0B1-2B00C1A5FB72";
createNode transform -n "thumb_01" -p "R_leg_thumb";
	rename -uid "D0118F8C-A196-C61E-4F10-D2F14948E114";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "thumb_02" -p "R_leg_thumb|thumb_01";
	rename -uid "462CC2BA-896E-BA23-A0F7-916AD0022969";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "thumb_03" -p "R_leg_thumb|thumb_01|thumb_02";
	rename -uid "EBB11D46-47C1-9195-638E-5D8CEDB0CAD7";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "R_leg_index" -p "R_leg05_ctrl";
	rename -uid "B0A7E1E3-5B16-B08C-7CE7-8DED78BA9EB5";
createNode transform -n "index_01" -p "R_leg_index";
	rename -uid "9712FD7F-F437-2561-ACCF-642E49F31763";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "index_02" -p "R_leg_index|index_01";
	rename -uid "6620819F-5B91-62E3-EA23-47450F648B59";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "index_03" -p "R_leg_index|index_01|index_02";
	rename -uid "CD3606EE-43F5-E1D7-93E5-7940FC096D25";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "R_leg_middle" -p "R_leg05_ctrl";
	rename -uid "A863E029-DF8D-814F-2EE4-64B1ABB218FB";
createNode transform -n "middle_01" -p "R_leg_middle";
	rename -uid "7A30A813-367F-DA5F-9879-BB293C550E47";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "middle_02" -p "R_leg_middle|middle_01";
	rename -uid "15828710-10C6-BBFE-33C5-0652ADDA7CB2";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "middle_03" -p "R_leg_middle|middle_01|middle_02";
	rename -uid "27942DB6-E39F-6BC9-5D81-E1729BD6EF60";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "R_leg_ring" -p "R_leg05_ctrl";
	rename -uid "31B13AE9-E80D-C967-E086-B28FE7B6026F";
createNode transform -n "ring_01" -p "R_leg_ring";
	rename -uid "0F041338-D09C-9AFB-574C-2D9D7B6747A3";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "ring_02" -p "R_leg_ring|ring_01";
	rename -uid "7E15EA6A-B397-CA1B-B717-264BF5FF9F70";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "ring_03" -p "R_leg_ring|ring_01|ring_02";
	rename -uid "3C94B6A8-C2CD-8C6F-D0BD-A93C41203506";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "R_leg_pinky" -p "R_leg05_ctrl";
	rename -uid "BE425053-6D5B-793B-4DF2-5D7483AC6E9F";
createNode transform -n "pinky_01" -p "R_leg_pinky";
	rename -uid "8B7548E7-D2D1-5487-FB46-91812A05AC27";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "pinky_02" -p "R_leg_pinky|pinky_01";
	rename -uid "615165AF-097E-856F-E4D2-9114AAE6AC25";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "pinky_03" -p "R_leg_pinky|pinky_01|pinky_02";
	rename -uid "D1C261D6-0A51-D10F-F4D7-74C833AD961D";
	setAttr ".t" -type "double3" -2 0 0 ;
createNode transform -n "head_ctrl" -p "COG_ctrl";
	rename -uid "B590E4B4-B813-02FD-0ECD-C2278B6D16F6";
	setAttr ".t" -type "double3" 0 70 0 ;
	setAttr -k off ".sx";
	setAttr -k off ".sy";
	setAttr -k off ".sz";
	setAttr -l on -k off ".v";
createNode nurbsCurve -n "head_ctrlShape" -p "head_ctrl";
	rename -uid "5D929CF2-3041-3974-5718-4839578EE03A";
	setAttr -k off ".v";
	setAttr ".ove" yes;
	setAttr ".ovc" 17;
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
createNode transform -n "L_eye_grp" -p "head_ctrl";
	rename -uid "4AD972B6-9CB8-C6B4-687C-37E763F26B3D";
createNode transform -n "head_OC" -p "L_eye_grp";
	rename -uid "14CBD570-148F-BD29-FBE6-B7F30C6D317F";
	setAttr ".t" -type "double3" 3.5 3 9 ;
createNode transform -n "R_eye_grp" -p "head_ctrl";
	rename -uid "5A7631DE-E85C-FCF1-53FA-A9C4A9571F67";
createNode transform -n "head_OC" -p "R_eye_grp";
	rename -uid "76F486FA-1391-7E9F-C8FB-464092A208B2";
	setAttr ".t" -type "double3" -3.5 3 9 ;
createNode transform -n "L_eye_geo" -p "geo";
	rename -uid "07C6CFE6-440C-16FE-00E7-5C2482DF86BA";
createNode transform -n "Geo_C_eye" -p "L_eye_geo";
	rename -uid "1E7DB273-4347-47D9-A024-99F98AB7ABAA";
createNode mesh -n "Geo_C_eyeShape" -p "Geo_C_eye";
	rename -uid "77D55D27-F60C-B070-C4B8-942F41D2DE73";
	setAttr -k off ".v";
	setAttr ".vir" yes;
	setAttr -s 8 ".vt[0:7]"  -0.5 -0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 -0.5
		 -0.5 -0.5 -0.5 0.5 -0.5 -0.5;
	setAttr -s 12 ".ed[0:11]"  0 1 0 2 3 0 4 5 0 6 7 0 0 2 0 1 3 0 2 4 0 3 5 0 4 6 0 5 7 0 6 0 0
		 7 1 0;
createNode transform -n "R_eye_geo" -p "geo";
	rename -uid "4D29D37F-71EE-9CCA-4DFD-2D3D5C6159D1";
createNode transform -n "Geo_C_eye" -p "R_eye_geo";
	rename -uid "E27D9C76-71BF-F52C-F5E5-A3E9FEBC1B67";
createNode mesh -n "Geo_C_eyeShape" -p "R_eye_geo|Geo_C_eye";
	rename -uid "A74348D9-4395-A3D5-4D2B-D4FA55D45E7B";
	setAttr -k off ".v";
	setAttr ".vir" yes;
	setAttr -s 8 ".vt[0:7]"  -0.5 -0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 -0.5
		 -0.5 -0.5 -0.5 0.5 -0.5 -0.5;
	setAttr -s 12 ".ed[0:11]"  0 1 0 2 3 0 4 5 0 6 7 0 0 2 0 1 3 0 2 4 0 3 5 0 4 6 0 5 7 0 6 0 0
		 7 1 0;
createNode multiplyDivide -n "L_arm01_md";
	rename -uid "45BE34C1-D5E5-36E5-4E40-F45A28517A57";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "L_arm02_md";
	rename -uid "0264823D-983C-6202-7F9D-2BE4F127F82F";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "L_arm03_md";
	rename -uid "EF8E9A4A-1BE9-78B2-5974-AB219F2B39DD";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "L_arm04_md";
	rename -uid "E0BE9C44-5E0F-6D6D-CD02-751F10FB3123";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "L_arm05_md";
	rename -uid "0BE3CB74-B619-C6A4-1774-6B010F99B79F";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "L_leg01_md";
	rename -uid "C00CB636-D93C-8E6E-E6AD-D486B5E10605";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "L_leg02_md";
	rename -uid "B58AF9B7-7FC5-619D-3C24-A39E616BE277";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "L_leg03_md";
	rename -uid "1322D810-6AF9-34CC-92E0-A8860F3EAB01";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "L_leg04_md";
	rename -uid "C1038CD7-38AD-100F-6871-1EC1E8AAFB0A";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "L_leg05_md";
	rename -uid "AAADE102-8B44-7731-8388-035695389C34";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "R_arm01_md";
	rename -uid "792D46EE-4B1E-023C-7DB3-99433BA85970";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "R_arm02_md";
	rename -uid "4976092F-D5AB-5EAD-C9BD-6C6B1A12F0B5";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "R_arm03_md";
	rename -uid "2BD305AF-D76F-4AD4-9438-593CDF591215";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "R_arm04_md";
	rename -uid "A6F2EB47-05D2-7BEA-1752-0973E65C58CB";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "R_arm05_md";
	rename -uid "E8C3F34A-4B2E-CB4F-0620-91C01A04C905";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "R_leg01_md";
	rename -uid "27555118-AE72-4C7A-9558-280C25815BED";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "R_leg02_md";
	rename -uid "C97F045E-566C-8F5B-AA00-5CD199F1613E";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "R_leg03_md";
	rename -uid "D8CF95B4-040C-DFF5-4C55-B837FE655DBF";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "R_leg04_md";
	rename -uid "F55DC444-2D3E-D934-91A7-D7223648ABBA";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode multiplyDivide -n "R_leg05_md";
	rename -uid "AD7CB747-4C3E-F976-870A-19FB0D1F5667";
	setAttr ".op" 2;
	setAttr ".i2" -type "float3" 1 1 1 ;
createNode lightLinker -s -n "lightLinker1";
	rename -uid "FA95A231-FAF5-7E4A-7000-A22EAB979BF7";
	setAttr -s 2 ".lnk";
	setAttr -s 2 ".slnk";
createNode displayLayerManager -n "layerManager";
	rename -uid "33362653-391C-C9F4-EF5D-02A78C02AE4A";
createNode displayLayer -n "defaultLayer";
	rename -uid "49270284-8F2C-796E-32F6-3F2F84CD0CEE";
createNode renderLayerManager -n "renderLayerManager";
	rename -uid "815059FE-ABB4-8515-122B-B9C92EF9E29E";
createNode renderLayer -n "defaultRenderLayer";
	rename -uid "AA58638A-AD1B-8E52-1F44-309AE0B84138";
	setAttr ".g" yes;
createNode reference -n "swordRN";
	rename -uid "0003EFC6-900B-B170-6B38-208C1C81B192";
	setAttr ".ed" -type "dataReferenceEdits" 
		"swordRN"
		"swordRN" 0;
select -ne :time1;
	setAttr ".o" 1;
	setAttr ".unw" 1;
select -ne :renderPartition;
	setAttr -s 2 ".st";
select -ne :defaultShaderList1;
	setAttr -s 5 ".s";
select -ne :initialShadingGroup;
	setAttr -s 2 ".dsm";
	setAttr ".ro" yes;
select -ne :hardwareRenderGlobals;
	setAttr ".ctrs" 256;
	setAttr ".btrs" 512;
connectAttr "COG_ctrl.t" "root_jnt.t";
connectAttr "COG_ctrl.r" "root_jnt.r";
connectAttr "L_arm01_ctrl.r" "L_arm01_jnt.r";
connectAttr "COG_ctrl.ikfk" "L_arm01_md.i1x";
connectAttr "L_arm01_md.ox" "L_arm01_ctrl.v";
connectAttr "L_arm02_ctrl.r" "L_arm02_jnt.r";
connectAttr "COG_ctrl.ikfk" "L_arm02_md.i1x";
connectAttr "L_arm02_md.ox" "L_arm02_ctrl.v";
connectAttr "L_arm03_ctrl.r" "L_arm03_jnt.r";
connectAttr "COG_ctrl.ikfk" "L_arm03_md.i1x";
connectAttr "L_arm03_md.ox" "L_arm03_ctrl.v";
connectAttr "L_arm04_ctrl.r" "L_arm04_jnt.r";
connectAttr "COG_ctrl.ikfk" "L_arm04_md.i1x";
connectAttr "L_arm04_md.ox" "L_arm04_ctrl.v";
connectAttr "L_arm05_ctrl.r" "L_arm05_jnt.r";
connectAttr "COG_ctrl.ikfk" "L_arm05_md.i1x";
connectAttr "L_arm05_md.ox" "L_arm05_ctrl.v";
connectAttr "L_leg01_ctrl.r" "L_leg01_jnt.r";
connectAttr "COG_ctrl.ikfk" "L_leg01_md.i1x";
connectAttr "L_leg01_md.ox" "L_leg01_ctrl.v";
connectAttr "L_leg02_ctrl.r" "L_leg02_jnt.r";
connectAttr "COG_ctrl.ikfk" "L_leg02_md.i1x";
connectAttr "L_leg02_md.ox" "L_leg02_ctrl.v";
connectAttr "L_leg03_ctrl.r" "L_leg03_jnt.r";
connectAttr "COG_ctrl.ikfk" "L_leg03_md.i1x";
connectAttr "L_leg03_md.ox" "L_leg03_ctrl.v";
connectAttr "L_leg04_ctrl.r" "L_leg04_jnt.r";
connectAttr "COG_ctrl.ikfk" "L_leg04_md.i1x";
connectAttr "L_leg04_md.ox" "L_leg04_ctrl.v";
connectAttr "L_leg05_ctrl.r" "L_leg05_jnt.r";
connectAttr "COG_ctrl.ikfk" "L_leg05_md.i1x";
connectAttr "L_leg05_md.ox" "L_leg05_ctrl.v";
connectAttr "R_arm01_ctrl.r" "R_arm01_jnt.r";
connectAttr "COG_ctrl.ikfk" "R_arm01_md.i1x";
connectAttr "R_arm01_md.ox" "R_arm01_ctrl.v";
connectAttr "R_arm02_ctrl.r" "R_arm02_jnt.r";
connectAttr "COG_ctrl.ikfk" "R_arm02_md.i1x";
connectAttr "R_arm02_md.ox" "R_arm02_ctrl.v";
connectAttr "R_arm03_ctrl.r" "R_arm03_jnt.r";
connectAttr "COG_ctrl.ikfk" "R_arm03_md.i1x";
connectAttr "R_arm03_md.ox" "R_arm03_ctrl.v";
connectAttr "R_arm04_ctrl.r" "R_arm04_jnt.r";
connectAttr "COG_ctrl.ikfk" "R_arm04_md.i1x";
connectAttr "R_arm04_md.ox" "R_arm04_ctrl.v";
connectAttr "R_arm05_ctrl.r" "R_arm05_jnt.r";
connectAttr "COG_ctrl.ikfk" "R_arm05_md.i1x";
connectAttr "R_arm05_md.ox" "R_arm05_ctrl.v";
connectAttr "R_leg01_ctrl.r" "R_leg01_jnt.r";
connectAttr "COG_ctrl.ikfk" "R_leg01_md.i1x";
connectAttr "R_leg01_md.ox" "R_leg01_ctrl.v";
connectAttr "R_leg02_ctrl.r" "R_leg02_jnt.r";
connectAttr "COG_ctrl.ikfk" "R_leg02_md.i1x";
connectAttr "R_leg02_md.ox" "R_leg02_ctrl.v";
connectAttr "R_leg03_ctrl.r" "R_leg03_jnt.r";
connectAttr "COG_ctrl.ikfk" "R_leg03_md.i1x";
connectAttr "R_leg03_md.ox" "R_leg03_ctrl.v";
connectAttr "R_leg04_ctrl.r" "R_leg04_jnt.r";
connectAttr "COG_ctrl.ikfk" "R_leg04_md.i1x";
connectAttr "R_leg04_md.ox" "R_leg04_ctrl.v";
connectAttr "R_leg05_ctrl.r" "R_leg05_jnt.r";
connectAttr "COG_ctrl.ikfk" "R_leg05_md.i1x";
connectAttr "R_leg05_md.ox" "R_leg05_ctrl.v";
connectAttr "geo|L_eye_geo|Geo_C_eye|Geo_C_eyeShape.iog" ":initialShadingGroup.dsm" -na;
connectAttr "|rig|geo|R_eye_geo|Geo_C_eye|Geo_C_eyeShape.iog" ":initialShadingGroup.dsm" -na;
connectAttr "head_ctrl.ry" "L_eye_grp|head_OC.ry";
connectAttr "head_ctrl.ry" "R_eye_grp|head_OC.ry";
relationship "link" ":lightLinker1" ":initialShadingGroup.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" ":initialShadingGroup.message" ":defaultLightSet.message";
connectAttr "layerManager.dli[0]" "defaultLayer.id";
connectAttr "renderLayerManager.rlmi[0]" "defaultRenderLayer.rlid";
dataStructure -fmt "raw" -as "name=notes:string=value";
// End of quill_rig.ma
