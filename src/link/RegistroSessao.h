#pragma once

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QString>

namespace tarsel {

// The session log: every command sent and every answer delivered, appended to one file per day in a
// folder of its own (the program folder's logs/). A line starts with the local time (ISO 8601 with
// milliseconds and offset), the port and the model number; an answer follows its header line with each
// of its lines behind "  | ", so that a log stays readable and greppable whatever the phone printed.
// The file is flushed after each entry: a crash or an unplugged PC loses nothing already delivered.
class RegistroSessao {
public:
    // `pasta` is created on the first entry. Files older than `dias` days are removed when a day's file
    // is opened (at the first entry and at midnight); 0 or less keeps every file.
    explicit RegistroSessao(const QString& pasta, int dias = DiasPadrao);
    ~RegistroSessao();
    RegistroSessao(const RegistroSessao&) = delete;
    RegistroSessao& operator=(const RegistroSessao&) = delete;

    static constexpr int DiasPadrao = 30;

    // Off: nothing is written (and the day's file is closed).
    void defineAtivo(bool ativo);
    bool ativo() const { return m_ativo; }
    void defineDias(int dias) { m_dias = dias; }
    const QString& pasta() const { return m_pasta; }

    // One entry each. `porta` as the user sees it ("COM3"), `modelo` the model number read (may be empty).
    void comando(const QString& porta, const QString& modelo, const QString& texto);
    void resposta(const QString& porta, const QString& modelo, const QString& texto);
    // A note of the program's own (connected, port lost...), same header form.
    void evento(const QString& porta, const QString& modelo, const QString& texto);

    // The last failure to create or write a file (empty when the last write worked). Writing never
    // throws nor shows a box: the log must not stop a reading.
    const QString& erro() const { return m_erro; }

    // The file of a day: "tarsel-2026-12-10.log".
    static QString nomeArquivo(const QDate& dia);
    // The day of a log file's name; invalid for any other name.
    static QDate diaDoArquivo(const QString& nome);
    // Removes the log files of `pasta` older than `dias` days before `hoje`; other files stay. Returns
    // how many were removed.
    static int apagaAntigos(const QString& pasta, const QDate& hoje, int dias);

    // The clock the entries are stamped with; tests move it across midnight.
    void defineRelogio(QDateTime (*relogio)()) { m_relogio = relogio; }

private:
    void escreve(const QString& porta, const QString& modelo, const char* sentido, const QString& texto, bool corpo);
    bool abreDia(const QDate& dia);

    QString m_pasta;
    int m_dias;
    bool m_ativo = true;
    QFile m_arquivo;
    QDate m_dia;
    QString m_erro;
    QDateTime (*m_relogio)();
};

} // namespace tarsel
