#include "catalogue/NameLists.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Columns.h"
#include "platform/db/Cursor.h"
#include "platform/system/Attempt.h"

#include <QComboBox>
#include <QStringList>
#include <QStringListModel>

namespace catalogue {

namespace {

// The list's names as one string list, handed over whole: the combo box's own model would
// make an item of every entry, which a large catalogue feels.
QStringListModel &namesOf(QComboBox &list)
{
    auto *model = qobject_cast<QStringListModel *>(list.model());
    if (!model) {
        model = new QStringListModel(&list);
        list.setModel(model);
    }
    return *model;
}

} // namespace

void fillNameList(db::Cursor &cards, const QString &column, QComboBox &list)
{
    QStringList names;
    // A combo box makes its first entry current when entries arrive; the name list keeps the
    // text the user left.
    const auto listNames = [&] {
        const QString text = list.currentText();
        QStringListModel &model = namesOf(list);
        model.setStringList(model.rowCount() == 0 ? names : model.stringList() + names);
        list.setCurrentIndex(-1);
        list.setEditText(text);
    };
    try {
        const int index = cards.columnIndex(column);
        for (; !cards.eof(); cards.moveNext()) {
            const QStringView name = cards.view(index);
            if (!isNoName(name))
                names << name.toString();
        }
    } catch (...) {
        // The names read before a damaged part of the file are listed all the same.
        listNames();
        throw;
    }
    listNames();
    cards.moveFirst();
}

void fillNameLists(Catalogue &catalogue, QComboBox &cboName, QComboBox &cboTrainers)
{
    const sys::Attempts &attempt = catalogue.attempts();
    attempt([&] { catalogue.openCatalogueCursor(); });
    attempt([&] { fillNameList(catalogue.catalogueCursor(), column::name, cboName); });
    attempt([&] { fillNameList(catalogue.catalogueCursor(), column::trainers, cboTrainers); });
    attempt([&] { catalogue.openNamesCursor(); });
}

void emptyNameList(QComboBox &list)
{
    const QString text = list.currentText();
    namesOf(list).setStringList({});
    list.setEditText(text);
}

} // namespace catalogue
