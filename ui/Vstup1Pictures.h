// The small pictures of the calculator window: the legends of the two graph
// overlays, the glyphs of the clone buttons and the drawing of the bullet
// proportions. Their content is the window's own; nothing reads them.
#pragma once

class Tvstup;

void DrawWindowPictures(Tvstup& window);
