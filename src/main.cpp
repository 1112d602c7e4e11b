#include "app/Inicio.h"

int main(int argc, char** argv) {
    return tarsel::Inicio::executa(argc, argv);
}
