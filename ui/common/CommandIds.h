#pragma once

// The numbers of the standard commands that several windows carry out (file,
// edit, view, window and help). Menus, toolbar buttons, accelerators and update
// handlers all name a command by its number; these keep the numbers of the
// classic document/view framework. A feature's own commands are numbered in its
// own folder.
namespace CommandId {

// File
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
// The four entries of the recent file list.
inline constexpr int FileMru1 = 57616;
inline constexpr int FileMruCount = 4;
inline constexpr int AppExit = 57665;

// Edit
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditFind = 57636;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int EditDelete = 32788;

// View
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int ViewPicturePane = 59394;
inline constexpr int NextPane = 57680;
inline constexpr int PreviousPane = 57681;

// Window
inline constexpr int WindowArrangeIcons = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTileHorizontally = 57651;
inline constexpr int WindowTileVertically = 57652;
// The numbered entries of the Window menu's list of open windows.
inline constexpr int WindowFirstChild = 65280;

// Help
inline constexpr int TipOfTheDay = 105;
inline constexpr int AppAbout = 57664;
inline constexpr int HelpTopics = 57667;
inline constexpr int ContextHelp = 57669;
inline constexpr int Help = 57670;
inline constexpr int DefaultHelp = 57671;

} // namespace CommandId
