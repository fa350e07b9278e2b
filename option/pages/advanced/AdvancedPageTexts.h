// Identifiers of the advanced page's texts, of its countdown and calibration dialogs and
// of its notices (assets/languages/texts/page_advanced.lang).
#pragma once

namespace orvix::advanced {

// Quick help of the page's controls.
inline constexpr int kTextHelpAxisX = 1038;  // X slider and X number box
inline constexpr int kTextHelpAxisY = 1039;
inline constexpr int kTextHelpXYSeparate = 1040;
inline constexpr int kTextHelpPscOn = 1041;
inline constexpr int kTextHelpPscOff = 1042;
inline constexpr int kTextHelpRecalibrate = 1043;
inline constexpr int kTextHelpLiftOff = 1044;  // 1044 off, 1045 normal, 1046 low, 1047 extra low
inline constexpr int kTextHelpLiftNormal = 1045;
inline constexpr int kTextHelpLiftLow = 1046;
inline constexpr int kTextHelpLiftExtraLow = 1047;
inline constexpr int kTextHelpPolling = 1048;
inline constexpr int kTextHelpSoundProfile = 1049;  // 1049..1053: profile, DPI, sensitivity, volume, trophy
inline constexpr int kTextHelpSoundDpi = 1050;
inline constexpr int kTextHelpSoundSensitivity = 1051;
inline constexpr int kTextHelpSoundVolumeKeys = 1052;
inline constexpr int kTextHelpSoundTrophy = 1053;
inline constexpr int kTextHelpVolume = 1054;
inline constexpr int kTextHelpPointerSpeed = 1055;
inline constexpr int kTextHelpAcceleration = 1056;
inline constexpr int kTextHelpTrails = 1057;
inline constexpr int kTextHelpReset = 1058;

// Headings and labels of the page.
inline constexpr int kTextTitleSensitivity = 3300;
inline constexpr int kTextLabelXYSeparate = 3301;
inline constexpr int kTextTitleSound = 3302;
inline constexpr int kTextLabelSoundProfile = 3303;
inline constexpr int kTextLabelSoundDpi = 3304;
inline constexpr int kTextLabelSoundSensitivity = 3305;
inline constexpr int kTextLabelSoundVolumeKeys = 3306;
inline constexpr int kTextLabelSoundTrophy = 3307;
inline constexpr int kTextLabelVolume = 3308;
inline constexpr int kTextTitleTracking = 3309;
inline constexpr int kTextTitlePsc = 3310;
inline constexpr int kTextTitleLiftOff = 3311;
inline constexpr int kTextLabelPscOn = 3312;
inline constexpr int kTextLabelPscOff = 3313;
inline constexpr int kTextLabelRecalibrate = 3314;
inline constexpr int kTextLabelLiftOff = 3315;
inline constexpr int kTextLabelLiftExtraLow = 3316;
inline constexpr int kTextLabelLiftLow = 3317;
inline constexpr int kTextLabelLiftNormal = 3318;
inline constexpr int kTextTitlePointer = 3319;
inline constexpr int kTextLabelPointerSpeed = 3320;
inline constexpr int kTextLabelAcceleration = 3321;
inline constexpr int kTextLabelTrails = 3322;
inline constexpr int kTextTitlePolling = 3323;
inline constexpr int kTextLabelReset = 3324;

// The acceptance dialogs, the wizard and the page's notices.
inline constexpr int kTextLiftOffTitle = 3600;
inline constexpr int kTextLiftOffQuestion = 3601;
inline constexpr int kTextSecondsLeft = 3602;  // "%d sec"
inline constexpr int kTextButtonAccept = 3603;
inline constexpr int kTextButtonCancel = 3604;
inline constexpr int kTextCalibrationTitle = 3605;
inline constexpr int kTextCalibrationQuestion = 3606;
inline constexpr int kTextWizardIntro = 3607;
inline constexpr int kTextWizardStepFirst = 3608;
inline constexpr int kTextWizardStepSecond = 3609;
inline constexpr int kTextWizardStepFinish = 3610;
inline constexpr int kTextWizardStartText = 3611;
inline constexpr int kTextWizardMeasuringText = 3612;
inline constexpr int kTextWizardFailureText = 3613;
inline constexpr int kTextWizardFinishText = 3614;
inline constexpr int kTextWizardStart = 3615;
inline constexpr int kTextWizardRetry = 3616;
inline constexpr int kTextWizardContinue = 3617;
inline constexpr int kTextResetQuestion = 3618;
inline constexpr int kTextButtonOk = 3619;
inline constexpr int kTextNoticeCalibrationNeedsMonitor = 3620;

}  // namespace orvix::advanced
