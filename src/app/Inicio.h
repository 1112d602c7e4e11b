#pragma once

namespace tarsel {

// The program's entry: application object, splash, start-up checks, main window, event loop.
class Inicio {
public:
    static int executa(int argc, char** argv);
};

} // namespace tarsel
