#pragma once

class QBoxLayout;
class QLabel;
class QPlainTextEdit;
class QWidget;

namespace tarsel {

// The lower half of a function-test screen: the phone's answer beside the known-good board's, each under
// its caption (the comparator's caption followed by the device label), and the note on variable values
// below. Object names "txtDados", "txtComparador", "lbDispositivo" and "lbVar"; the texts are the screen's.
struct CaixasResposta {
    QLabel* lbDados = nullptr;
    QLabel* lbComparador = nullptr;
    QLabel* lbDispositivo = nullptr;
    QPlainTextEdit* txtDados = nullptr;
    QPlainTextEdit* txtComparador = nullptr;
    QLabel* lbVar = nullptr;
};

// Builds them as children of `dono` at the end of `v`, the two boxes taking the spare height.
CaixasResposta MontaCaixasResposta(QWidget* dono, QBoxLayout* v);

} // namespace tarsel
