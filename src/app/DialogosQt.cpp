#include "app/DialogosQt.h"

#include "app/Termos.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace tarsel {

namespace {
QMessageBox::Icon iconeQt(Dialogos::Icone i) {
    switch (i) {
    case Dialogos::Icone::Informacao:
        return QMessageBox::Information;
    case Dialogos::Icone::Critico:
        return QMessageBox::Critical;
    case Dialogos::Icone::Pergunta:
        return QMessageBox::Question;
    case Dialogos::Icone::Exclamacao:
        return QMessageBox::Warning;
    case Dialogos::Icone::Nenhum:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Dialogos::Resposta DialogosQt::mensagem(Icone icone, const QString& titulo, const QString& texto, Botoes botoes) {
    QMessageBox::StandardButtons b = QMessageBox::Ok;
    switch (botoes) {
    case Botoes::Ok:
        b = QMessageBox::Ok;
        break;
    case Botoes::SimNao:
        b = QMessageBox::Yes | QMessageBox::No;
        break;
    case Botoes::SimNaoCancelar:
        b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    case Botoes::OkCancelar:
        b = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    }
    QMessageBox caixa(iconeQt(icone), titulo.isEmpty() ? TituloPadrao : titulo, texto, b, QApplication::activeWindow());
    switch (caixa.exec()) {
    case QMessageBox::Yes:
        return Resposta::Sim;
    case QMessageBox::No:
        return Resposta::Nao;
    case QMessageBox::Cancel:
        return Resposta::Cancelar;
    default:
        return Resposta::Ok;
    }
}

std::optional<QString> DialogosQt::entrada(const QString& titulo, const QString& texto, const QString& padrao) {
    bool ok = false;
    const QString r = QInputDialog::getText(QApplication::activeWindow(), titulo.isEmpty() ? TituloPadrao : titulo,
                                            texto, QLineEdit::Normal, padrao, &ok);
    if (!ok)
        return std::nullopt;
    return r;
}

bool DialogosQt::termos() {
    Termos janela(QApplication::activeWindow());
    return janela.exec() == QDialog::Accepted;
}

} // namespace tarsel
