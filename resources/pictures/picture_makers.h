#pragma once
// The makers of the pictures besides the tile sheet and the figure.

#include <string_view>

#include "render/bitmap.h"

namespace lorvix::resources {

Bitmap MakeTitlePicture();               // 300 x 200
Bitmap MakeLogo(bool front);             // 50 x 50
Bitmap MakeAboutFrame();                 // 300 x 200
Bitmap MakeAboutText();                  // 250 x 500
Bitmap MakeCongratulation(bool onBlue);  // 150 x 50

Bitmap MakeEditorCursor();                      // 32 x 32
Bitmap MakeEditorLabel(std::string_view text);  // 16 x 16

enum class MenuItem { Animation, Music, Sound, SmoothMovement, SongChoice };
Bitmap MakeMenuPicture(MenuItem item);  // 200 x 32

Bitmap MakeGameIcon();     // 32 x 32
Bitmap MakeBuilderIcon();  // 32 x 32

}  // namespace lorvix::resources
