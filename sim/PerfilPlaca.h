#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarsel {

// What one board answers, read from a profile text file: the family, the model numbers that belong to
// it, the rail used by the rail faults, and the answer lines of each command (without line ends).
class PerfilPlaca {
public:
    // Reads a profile file; on failure returns false and says why (file and line) in *erro.
    bool carrega(const QString& caminho, QString* erro);

    QString familia() const { return m_familia; }
    QStringList modelos() const { return m_modelos; }
    // Line key of the rail that the rail faults act on ("BIST buck2:"); empty when the profile names none.
    QByteArray chaveFalhaRail() const { return m_chaveFalhaRail; }
    // The rails the 15 %-high and missing-line faults act on; the fault rail unless the profile names others.
    QByteArray chaveRailAlto() const { return m_chaveRailAlto.isEmpty() ? m_chaveFalhaRail : m_chaveRailAlto; }
    QByteArray chaveRailAusente() const { return m_chaveRailAusente.isEmpty() ? m_chaveFalhaRail : m_chaveRailAusente; }

    // The I2C device the missing-device fault silences: its bus and its address as the scan writes it
    // ("0x75"); bus -1 when the profile names none.
    int barramentoI2cAusente() const { return m_barramentoI2cAusente; }
    QByteArray enderecoI2cAusente() const { return m_enderecoI2cAusente; }

    bool temSecao(const QString& comando) const;
    // Answer lines of a command (compared as normalizaComando does); empty when it has no section.
    QList<QByteArray> secao(const QString& comando) const;
    // The section of a command that takes a free argument: a section named "<start> *" answers every
    // command that begins with "<start> " and has no section of its own (the longest start wins). Empty
    // when none fits; otherwise *argumento is what follows the start in `comando` (blanks made one, case
    // kept), for the placeholder "{arg}".
    QList<QByteArray> secaoComArgumento(const QString& comando, QString* argumento) const;
    // Names of the variable fragments ("serie" for the section ".var serie"), sorted: each section lists the
    // values one fragment may take, one a line, and a start of the shell picks one of them.
    QStringList variaveis() const;
    // The placeholders "{name}" used in the answer lines that name no variable, "modelo" or "comando".
    QStringList marcadoresDesconhecidos() const;
    // Adds the sections of another profile that this one does not have (the shared answers).
    void completaCom(const PerfilPlaca& outro);

    // The form under which commands are compared: blanks at the ends dropped, inner runs of blanks made
    // one, letters in lower case.
    static QString normalizaComando(const QString& comando);
    // Section name of a variable fragment.
    static QString secaoVariavel(const QString& nome) { return QStringLiteral(".var ") + nome; }

private:
    QString m_familia;
    QStringList m_modelos;
    QByteArray m_chaveFalhaRail;
    QByteArray m_chaveRailAlto;
    QByteArray m_chaveRailAusente;
    int m_barramentoI2cAusente = -1;
    QByteArray m_enderecoI2cAusente;
    QHash<QString, QList<QByteArray>> m_secoes;
};

} // namespace tarsel
