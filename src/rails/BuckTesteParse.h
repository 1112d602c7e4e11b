#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace tarsel {

// The phone's own buck converter checks: "buck" lists every buck's output voltage, "buckcheck N" has
// the phone compare each buck with its target within N % and give a verdict. This turns both answers
// into list rows, builds the commands and the per-model note, and finds the saved answer of a
// known-good board for the comparator.
class BuckTesteParse {
public:
    // Which answer the list shows.
    enum class Modo { Leitura = 1, Teste = 2 };
    // The picture of a row: a verdict of the check, or a plain voltage of the reading.
    enum class Figura { Passou = 1, Falhou = 2, Tensao = 3 };

    struct Linha {
        QString texto;
        Figura figura;
        bool operator==(const Linha& o) const { return texto == o.texto && figura == o.figura; }
    };

    static inline const QString ComandoLeitura = QStringLiteral("buck");

    // "buckcheck " + the percentage of the list text, blanks removed; nothing when that is not a whole
    // number from 1 to 99.
    static std::optional<QString> ComandoTeste(const QString& porcentagem);

    // Whether an answer is parsed at all: it must reach the shell prompt, which opens with "[".
    static bool Processavel(const QString& resposta);

    // The rows of an answer in the given mode.
    static QList<Linha> Analisa(Modo modo, const QString& resposta);

    // "buck" answer: every line "buckN: <millivolts> mV" gives "   buckN voltage: <volts> V". A text that
    // holds "measured" is a check answer and gives no rows.
    static QList<Linha> AnalisaLeitura(const QString& resposta);

    // "buckcheck" answer: every line "buckN: target <mV> mV, measured <mV> mV : PASS" gives
    // "   buckN: Reference: <target> V - Reading:  <measured> V : PASS", with the pass picture only for
    // "PASS".
    static QList<Linha> AnalisaTeste(const QString& resposta);

    // A target in whole millivolts as volts ("800" gives "0.800"), always five characters.
    static QString TensaoAlvo(const QString& milivolts);

    // The note under the lists: the bucks of the model that read 0 V in diagnostics mode, then the
    // remark on the rails that mode does not measure. Lines are separated by CR LF.
    static QString NotaBucks(const QString& modelo);

    // The saved answer of a known-good board for the model and command (first row of Dados), or an
    // empty text when there is none. Database failures throw ErroVB.
    static QString DadosGravados(const QString& modelo, const QString& comando);
};

} // namespace tarsel
