#include "flow/screens/Bildschirmtexte.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextEdit>

namespace torvane {

QStringList SichtbareTexte(const QWidget* fenster, const QString& name)
{
    QStringList texte;
    auto merken = [&texte, &name](QString t) {
        t = t.trimmed();
        if (!t.isEmpty()) texte << name + QStringLiteral(": ") + t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    };
    merken(fenster->windowTitle());
    QList<const QWidget*> alle{fenster};
    for (const QWidget* w : fenster->findChildren<QWidget*>()) alle << w;
    for (const QWidget* w : alle) {
        if (!w->isVisibleTo(fenster) && w != fenster) continue;
        merken(w->toolTip());
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            // Auch Schilder mit Auszeichnung: nur der lesbare Text zählt.
            merken(l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text())
                       ? QString(l->text()).remove(QRegularExpression(QStringLiteral("<[^>]*>")))
                       : l->text());
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            merken(QString(b->text()).remove(QLatin1Char('&')));
        } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            merken(g->title());
        } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i) merken(c->itemText(i));
        } else if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
            merken(e->text());
            merken(e->placeholderText());
        } else if (const auto* t = qobject_cast<const QTableWidget*>(w)) {
            for (int s = 0; s < t->columnCount(); ++s)
                if (const auto* k = t->horizontalHeaderItem(s)) merken(k->text());
            for (int z = 0; z < t->rowCount(); ++z)
                for (int s = 0; s < t->columnCount(); ++s)
                    if (const auto* i = t->item(z, s)) merken(i->text());
        } else if (const auto* liste = qobject_cast<const QListWidget*>(w)) {
            for (int i = 0; i < liste->count(); ++i) merken(liste->item(i)->text());
        } else if (const auto* p = qobject_cast<const QPlainTextEdit*>(w)) {
            merken(p->toPlainText());
        } else if (const auto* x = qobject_cast<const QTextEdit*>(w)) {
            merken(x->toPlainText());
        }
    }
    return texte;
}

} // namespace torvane
