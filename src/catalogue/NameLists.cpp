#include "catalogue/NameLists.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Columns.h"
#include "platform/db/Cursor.h"
#include "platform/db/HeldTable.h"
#include "platform/system/Attempt.h"

#include <QComboBox>
#include <QAbstractListModel>

namespace catalogue {

namespace {

// A list's names kept in one buffer and handed to the combo box as its model: a large
// catalogue then costs a few allocations rather than one for every name.
class NameListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(names.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return names.at(index.row()).toString();
    }
    // The names after those already listed.
    void append(db::TextColumn &&more)
    {
        if (more.size() == 0)
            return;
        beginInsertRows({}, int(names.size()), int(names.size() + more.size() - 1));
        if (names.size() == 0) {
            names = std::move(more);
        } else {
            for (qsizetype row = 0; row < more.size(); ++row)
                names.append(more.at(row));
        }
        endInsertRows();
    }
    void clear()
    {
        beginResetModel();
        names = {};
        endResetModel();
    }

private:
    db::TextColumn names;
};

NameListModel &namesOf(QComboBox &list)
{
    auto *model = dynamic_cast<NameListModel *>(list.model());
    if (!model) {
        model = new NameListModel(&list);
        list.setModel(model);
    }
    return *model;
}

} // namespace

void fillNameList(db::Cursor &rsCatalogue, const QString &column, QComboBox &list)
{
    db::TextColumn names;
    // A combo box makes its first entry current when entries arrive; the name list keeps the
    // text the user left.
    const auto listNames = [&] {
        const QString text = list.currentText();
        namesOf(list).append(std::move(names));
        list.setCurrentIndex(-1);
        list.setEditText(text);
    };
    try {
        const int index = rsCatalogue.columnIndex(column);
        for (; !rsCatalogue.eof(); rsCatalogue.moveNext()) {
            const QStringView name = rsCatalogue.view(index);
            if (!isNoName(name))
                names.append(name);
        }
    } catch (...) {
        // The names read before a damaged part of the file are listed all the same.
        listNames();
        throw;
    }
    listNames();
    rsCatalogue.moveFirst();
}

void fillNameLists(Catalogue &catalogue, QComboBox &cboName, QComboBox &cboTrainers)
{
    sys::attempt([&] { catalogue.openCatalogueCursor(); });
    sys::attempt([&] { fillNameList(catalogue.catalogueCursor(), column::name, cboName); });
    sys::attempt([&] { fillNameList(catalogue.catalogueCursor(), column::trainers, cboTrainers); });
    sys::attempt([&] { catalogue.openNamesCursor(); });
}

void emptyNameList(QComboBox &list)
{
    const QString text = list.currentText();
    namesOf(list).clear();
    list.setEditText(text);
}

} // namespace catalogue
