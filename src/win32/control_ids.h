// Stable numeric IDs of the main window's controls, shared by the native view and the
// end-to-end driver. A control array has one constant; its members are that number
// plus the index (IDC_cboHelmet + 2 is the 1969 helmet list).
#pragma once

constexpr int IDC_txtGPLPath = 1000;
constexpr int IDC_cmdPath = 1001;
constexpr int IDC_cboPlayer = 1002;
constexpr int IDC_cmdDetail = 1003;
constexpr int IDC_Frame1 = 1004;
constexpr int IDC_optSeason = 1010;
constexpr int IDC_fraSeason = 1020;
constexpr int IDC_lblPlayer = 1030;
constexpr int IDC_Label4 = 1040;
constexpr int IDC_Label5 = 1050;
constexpr int IDC_Label6 = 1060;
constexpr int IDC_cboHelmet = 1070;
constexpr int IDC_cboTeam = 1080;
constexpr int IDC_cboLastTrack = 1090;
constexpr int IDC_cmdGPL = 1100;
constexpr int IDC_chkWing = 1110;
constexpr int IDC_hscWingAngle = 1120;
constexpr int IDC_lblWingAngle = 1130;
constexpr int IDC_cmdSaveWing4Track = 1140;
constexpr int IDC_cmdLoadWing4Track = 1141;
constexpr int IDC_chkSteerHack = 1142;
constexpr int IDC_Label1 = 1143;
constexpr int IDC_cboTrackSets = 1144;
constexpr int IDC_cmdSaveTrackset = 1145;
constexpr int IDC_cmdDelTrackset = 1146;
constexpr int IDC_cmd67s = 1147;
constexpr int IDC_chkJoin = 1148;
constexpr int IDC_txtIP = 1149;
constexpr int IDC_cmdPasteIP = 1150;
constexpr int IDC_cmdLaunch = 1160;
constexpr int IDC_cmdExit = 1170;
constexpr int IDC_fraGPLOptions = 1171;
constexpr int IDC_cboRast = 1172;
constexpr int IDC_chkFullScreen = 1173;
constexpr int IDC_chkSaveRasterizer = 1174;
constexpr int IDC_hscDetail = 1175;
constexpr int IDC_lblDetail = 1176;
constexpr int IDC_fraTarmacOptions = 1177;
constexpr int IDC_chkSaveWindowPosition = 1178;
constexpr int IDC_chkCopyDefaultSetup = 1179;
constexpr int IDC_chkSaveLastPlayer = 1180;
constexpr int IDC_chkForceFullscreen4NonD3D = 1181;
constexpr int IDC_chkSetWingMax15 = 1182;
constexpr int IDC_chkAutoLoadWing4Track = 1183;
constexpr int IDC_picTemp = 1184;

// The save dialog (dlgSave).
constexpr int IDC_dlgSave_lblDesc = 2000;
constexpr int IDC_dlgSave_cboName = 2001;
constexpr int IDC_dlgSave_OKButton = 2002;
constexpr int IDC_dlgSave_CancelButton = 2003;

// The vi67r editor (frmVi67r); optAction is a control array of two.
constexpr int IDC_frmVi67r_optAction = 2010;
constexpr int IDC_frmVi67r_lstTracks = 2020;
constexpr int IDC_frmVi67r_lblHint = 2021;
constexpr int IDC_frmVi67r_txtHint = 2022;
constexpr int IDC_frmVi67r_cmdOperation = 2023;
constexpr int IDC_frmVi67r_txtPath = 2024;
constexpr int IDC_frmVi67r_cmdPath = 2025;
constexpr int IDC_frmVi67r_cmdClose = 2026;
