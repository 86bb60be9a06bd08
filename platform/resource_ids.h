// Ids of the files the program carries inside itself. The resource script
// includes this header too, so the ids are plain macros.
#pragma once

#define IDI_APP_ICON 1
#define IDR_SKIN_LIBRARY 100
#define IDR_APP_CURSOR 110
#define IDR_LOGO_IMAGE 111
// Skin i (1 to 37) is IDR_SKIN_FIRST + i - 1.
#define IDR_SKIN_FIRST 201
#define KEYLOOM_SKIN_COUNT 37
