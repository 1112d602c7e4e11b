#pragma once

#include <QString>
#include <QStringList>

namespace tarsel {

// The COM-port map: the program folder holds ports/COM1 ... ports/COM30, links to serial devices.
// A technician may link any device by hand; USB adapters are linked by their /dev/serial/by-id path
// so that each keeps its number across re-plugs.
class MapaPortas {
public:
    static constexpr int MaiorPorta = 30;

    // pasta/ports/COM<n>, absolute
    static QString CaminhoPorta(int n, const QString& pasta);
    // True when pasta/ports/COM<n> resolves to an existing character device.
    static bool PortaExiste(int n, const QString& pasta);
    // Gives every adapter of `pastaById` not linked yet the lowest free number (a number whose link
    // exists in any form, even dangling, stays taken: an unplugged adapter keeps its number).
    // Returns the numbers given, ascending.
    static QList<int> RegistraAdaptadores(const QString& pasta,
                                          const QString& pastaById = QStringLiteral("/dev/serial/by-id"));
    // Registers the adapters, then the numbers 1..30 that exist, as texts, ascending.
    static QStringList ListaPortas(const QString& pasta,
                                   const QString& pastaById = QStringLiteral("/dev/serial/by-id"));
};

} // namespace tarsel
