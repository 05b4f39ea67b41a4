#include "ui/replace_panel.h"

#include "ui/edit_session.h"
#include "ui/searchable_chooser.h"
#include "ui_replace_panel.h"

#include <QIdentityProxyModel>

namespace lancefall {

namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kRecordRole = Qt::UserRole + 1;

// How the undo history names an entry: its identifier where the entry shows one.
QString shortName(const QString &entry)
{
    const qsizetype open = entry.lastIndexOf(u'(');
    if (open >= 0 && entry.endsWith(u')'))
        return entry.sliced(open + 1, entry.size() - open - 2);
    return entry;
}

} // namespace

ReplacePanel::ReplacePanel(EditSession &session, std::function<RecordLimits()> selection, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ReplacePanel>())
    , mSession(session)
    , mSelection(std::move(selection))
    , mWhat(new QIdentityProxyModel(this))
    , mWith(new QIdentityProxyModel(this))
{
    ui->setupUi(this);
    for (const ReferenceKind kind :
         {ReferenceKind::Item, ReferenceKind::Troop, ReferenceKind::PartyTemplate, ReferenceKind::Faction})
        ui->cmbReplaceKind->addItem(QString(), int(kind));
    nameKinds();
    // One model each, whose source follows the kind: the searchable choosers keep theirs.
    ui->cmbReplaceWhat->setModel(mWhat);
    ui->cmbReplaceWith->setModel(mWith);
    makeSearchable(ui->cmbReplaceWhat);
    makeSearchable(ui->cmbReplaceWith);
    kindChosen();

    connect(ui->cmbReplaceKind, &QComboBox::currentIndexChanged, this, &ReplacePanel::kindChosen);
    connect(ui->cmdReplaceFind, &QPushButton::clicked, this, &ReplacePanel::cmdReplaceFind_Click);
    connect(ui->cmdReplaceAll, &QPushButton::clicked, this, &ReplacePanel::cmdReplaceAll_Click);
    connect(ui->lstReplacePlaces, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        emit showRecord(RecordKind(item->data(kKindRole).toInt()), item->data(kRecordRole).toLongLong());
    });
    // What a search found no longer holds once the module changed: find it again.
    const auto again = [this] {
        if (mFound)
            cmdReplaceFind_Click();
    };
    connect(&session, &EditSession::changed, this, again);
    connect(&session, &EditSession::loaded, this, [this] {
        mFound = false;
        mPlaces.clear();
        ui->lstReplacePlaces->clear();
        ui->lblReplaceSummary->clear();
        kindChosen();
    });
}

ReplacePanel::~ReplacePanel() = default;

void ReplacePanel::nameKinds()
{
    const QStringList names{tr("Item"), tr("Troop"), tr("Party Template"), tr("Faction")};
    for (int i = 0; i < ui->cmbReplaceKind->count(); ++i)
        ui->cmbReplaceKind->setItemText(i, names.value(i));
}

void ReplacePanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        nameKinds();
        if (mFound)
            listPlaces();
    }
    QWidget::changeEvent(event);
}

ReferenceKind ReplacePanel::kind() const
{
    return ReferenceKind(ui->cmbReplaceKind->currentData().toInt());
}

qint64 ReplacePanel::numberAt(int position) const
{
    if (position < 0)
        return -1;
    switch (kind()) {
    case ReferenceKind::Item:
        return position + 1;
    case ReferenceKind::Troop:
    case ReferenceKind::PartyTemplate:
    case ReferenceKind::Faction:
        break;
    }
    return position;
}

void ReplacePanel::kindChosen()
{
    QAbstractItemModel *entries = nullptr;
    switch (kind()) {
    case ReferenceKind::Item:
        entries = mSession.itemsModel();
        break;
    case ReferenceKind::Troop:
        entries = mSession.model(RecordList::TroopSlots);
        break;
    case ReferenceKind::PartyTemplate:
        entries = mSession.model(RecordList::Templates);
        break;
    case ReferenceKind::Faction:
        entries = mSession.factionsModel();
        break;
    }
    mWhat->setSourceModel(entries);
    mWith->setSourceModel(entries);
    for (QComboBox *chooser : {ui->cmbReplaceWhat, ui->cmbReplaceWith})
        chooser->setCurrentIndex(chooser->count() > 0 ? 0 : -1);
    mFound = false;
    mPlaces.clear();
    ui->lstReplacePlaces->clear();
    ui->lblReplaceSummary->clear();
}

void ReplacePanel::cmdReplaceFind_Click()
{
    if (!mSession.document().isLoaded())
        return;
    const RecordLimits only = ui->chkReplaceSelection->isChecked() ? mSelection() : RecordLimits{};
    mPlaces = findReferences(mSession.document(), mSession.references(), kind(),
                             numberAt(ui->cmbReplaceWhat->currentIndex()), only);
    mFound = true;
    listPlaces();
}

void ReplacePanel::listPlaces()
{
    ui->lstReplacePlaces->clear();
    QList<QListWidgetItem *> items;
    items.reserve(mPlaces.size());
    for (const ReferencePlace &place : std::as_const(mPlaces)) {
        auto *item = new QListWidgetItem(
            tr("%1: %2").arg(mSession.document().recordName(place.kind, place.record), place.field));
        item->setData(kKindRole, int(place.kind));
        item->setData(kRecordRole, place.record);
        items.append(item);
    }
    for (QListWidgetItem *item : std::as_const(items))
        ui->lstReplacePlaces->addItem(item);
    ui->lblReplaceSummary->setText(
        mPlaces.isEmpty() ? tr("Nothing names %1.").arg(ui->cmbReplaceWhat->currentText())
                          : tr("%n place(s) name %1.", nullptr, int(mPlaces.size())).arg(ui->cmbReplaceWhat->currentText()));
    ui->cmdReplaceAll->setEnabled(!mPlaces.isEmpty());
}

void ReplacePanel::cmdReplaceAll_Click()
{
    cmdReplaceFind_Click();
    if (mPlaces.isEmpty())
        return;
    const qint64 with = numberAt(ui->cmbReplaceWith->currentIndex());
    if (with < 0)
        return;
    Result<ModuleChange> change = replaceReferences(mSession.document(), kind(),
                                                    numberAt(ui->cmbReplaceWhat->currentIndex()), with, mPlaces);
    if (!change) {
        emit status(tr("Not replaced: %1").arg(change.error().text()));
        emit refused(change.error());
        return;
    }
    change->text = tr("Replace %1 with %2")
                       .arg(shortName(ui->cmbReplaceWhat->currentText()), shortName(ui->cmbReplaceWith->currentText()));
    const qsizetype places = mPlaces.size();
    if (mSession.push(*change))
        emit status(tr("Replaced %n place(s)", nullptr, int(places)));
}

} // namespace lancefall
