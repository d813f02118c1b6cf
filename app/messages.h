// Private window messages, control ids and notification codes shared by the
// program's own windows. The same WM_USER number means different things to
// different classes; the receiver decides.
#pragma once

enum PrivateMessage {
    MsgLanguageChanged = 0x0400 + 1, // every skinned window: reload bitmaps and texts
    MsgShowFirst = 0x0400 + 2,       // main window
    MsgLedBlink = 0x0400 + 2,        // LED: start one blink cycle
    MsgShowLast = 0x0400 + 3,
    MsgShowPrevious = 0x0400 + 4,
    MsgShowNext = 0x0400 + 5,
    MsgJumpToSection = 0x0400 + 6, // sent; lParam points to the section code
    MsgAnswer = 0x0400 + 7,        // lParam 0..3 = A..D
    MsgLedFinished = 0x0400 + 8,
    MsgCheckSet = 0x0400 + 16, // check: lParam 0 or 1
    MsgCheckGet = 0x0400 + 17, // check: returns 0 or 1
};

// Notification codes (WM_NOTIFY) of the skinned controls.
enum NotifyCode {
    NotifyReleased = 0,     // button: left button released on it
    NotifyEntered = 0x1001, // button: pointer entered; display: left press; LED: cycle ended
    NotifyLeft = 0x1002,    // button: pointer left; display: right press
    NotifyLeftPress = 0x1001,
    NotifyRightPress = 0x1002,
    NotifyBlinkEnded = 0x1001,
};

enum ControlId {
    // Main panel.
    IdQuit = 0x1000,
    IdMinimise = 0x1001,
    IdTestModule = 0x1002,
    IdLanguage = 0x1003,
    IdLogModule = 0x1005,
    IdOptionsModule = 0x1006,
    IdNewBasic = 0x1007,
    IdNewAdvanced = 0x1008,
    IdCalculator = 0x1009,
    IdAboutModule = 0x100A,
    // Border.
    IdHideModule = 0x1010,
    // Test module.
    IdModeDisplay = 0x1020,
    IdClassDisplay = 0x1021,
    IdIndexDisplay = 0x1022,
    IdScoreDisplay = 0x1023,
    IdResultDisplay = 0x1024,
    IdQuestionDisplay = 0x1025,
    IdAnswerDisplayA = 0x1026, // .. 0x1029
    IdSelectA = 0x102A,        // .. 0x102D
    IdLedA = 0x102E,           // .. 0x1031
    IdFirst = 0x1032,
    IdPrevious = 0x1033,
    IdNext = 0x1034,
    IdLast = 0x1035,
    IdBrowse = 0x1037,
    IdPrint = 0x1038,
    IdSectionMenuFirst = 0x4000, // section menu item i = 0x4000 + i
    // Log module.
    IdLogAdd = 0x1050,
    IdLogClear = 0x1051,
    // Options module.
    IdCheckShowAnswer = 0x1100,
    IdCheckPlaySounds = 0x1101,
    IdCheckLogLabels = 0x1102,
    // About module.
    IdAboutText = 0x1200,
    IdLinkWeb = 0x1201,
    IdLinkMail = 0x1202,
};

// Sounds (WAVE resources).
enum SoundId { SoundClick = 107, SoundStartup = 108, SoundCorrect = 109, SoundWrong = 110 };
