#pragma once

#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <functional>

namespace tarsel {

// The product server as the program reaches it: its base address (column Servidor of Tools), the link
// page with its numbered server pages, and the browser the addresses go to.

// The server's base address as stored (the product's own as shipped); empty when none can be read.
QString BaseServidor();
// `pagina` with `consulta` on the server; an empty address when there is no base address.
QUrl EnderecoServidor(const QString& pagina, const QUrlQuery& consulta = {});

// The text of server page n: its value, or "N" when the page is missing or the link page cannot be
// fetched. The link page is fetched anew on every call.
QString LePaginaServidor(int n);
// Opens the address of server page n in the browser, or the product's site when the page is missing.
void AbrePaginaServidor(int n);

// Opens `endereco` in the browser when it is a web address (http or https with a host). Anything else
// (a file, a script, a program path, another scheme) is refused with a box naming it; an empty address
// opens nothing. True when the address went to the browser.
bool AbreEnderecoWeb(const QString& endereco);

// The window layer hands addresses to the system's browser; until it installs one, nothing opens.
void instalaNavegador(std::function<void(const QUrl&)> navegador);

} // namespace tarsel
