#ifndef QB_MODEL_PICKER_VERSION_H
#define QB_MODEL_PICKER_VERSION_H
// The version the plug-in gives the host at registration and shows in About.
#define QB_PICKER_VERSION "1.4.11"
#define QB_PICKER_VENDOR "Quillbrook, Inc."
#define QB_PICKER_COMMAND "QuillbrookPicker"
#endif
