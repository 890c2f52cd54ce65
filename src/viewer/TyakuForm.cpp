#include "viewer/TyakuForm.h"

#include "common/Twips.h"

#include <QLineEdit>
#include <QTextEdit>

TyakuForm::TyakuForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TyakuForm"));
    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_subject = new QLineEdit(central);
    m_subject->setObjectName(QStringLiteral("Text7"));
    m_from = new QLineEdit(central);
    m_from->setObjectName(QStringLiteral("Text8"));
    m_date = new QLineEdit(central);
    m_date->setObjectName(QStringLiteral("Text9"));
    m_editor = new QTextEdit(central);
    m_editor->setObjectName(QStringLiteral("rtfEd"));
    m_editor->setAcceptRichText(false);
}

QString TyakuForm::subjectText() const { return m_subject->text(); }
QString TyakuForm::fromText() const { return m_from->text(); }
QString TyakuForm::dateText() const { return m_date->text(); }
QString TyakuForm::bodyText() const { return m_editor->toPlainText(); }
void TyakuForm::setSubjectText(const QString &text) { m_subject->setText(text); }
void TyakuForm::setFromText(const QString &text) { m_from->setText(text); }
void TyakuForm::setDateText(const QString &text) { m_date->setText(text); }
void TyakuForm::setBodyText(const QString &text) { m_editor->setPlainText(text); }
