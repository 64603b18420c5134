#pragma once
// The dialog templates, one file each; found by number through Resources.h.

#include "resources/Template.h"

namespace res::dialogs {

extern const DialogTemplate kAbout;
extern const DialogTemplate kMain;
extern const DialogTemplate kConditionEditor;
extern const DialogTemplate kConditionFileMode;
extern const DialogTemplate kConditionFileSelect;
extern const DialogTemplate kFieldSelector;
extern const DialogTemplate kSampleCode;
extern const DialogTemplate kCompanionApp;
extern const DialogTemplate kProgress;

}  // namespace res::dialogs
