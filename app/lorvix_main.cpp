// Program entry of the game. The window shell is not built yet; until it
// is, the program points to the level tool.

#include <cstdio>

int main() {
  std::puts("lorvix: Das Spielfenster ist noch nicht fertig.\n"
            "Levels lassen sich schon mit leveltool spielen und ansehen:\n"
            "  build/bin/leveltool play DATEI LEVEL ZUEGE\n"
            "  build/bin/leveltool render DATEI LEVEL BILD.png");
  return 0;
}
