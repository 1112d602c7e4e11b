# The buck test screen: its parsers in the core, its window in the UI library.
target_sources(tarsel_core PRIVATE BuckTesteParse.h BuckTesteParse.cpp)
target_sources(tarsel_ui PRIVATE BuckTeste.h BuckTeste.cpp)
