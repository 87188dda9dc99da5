#include "binding/TvSNMPRequest2Edits.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvEditConstraint.h"
#include "binding/TvOptionControls.h"
#include "binding/TvRadioGroup.h"
#include "catalog/TvSecretVars.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "values/TvDateTime.h"
#include "values/TvOptionList.h"
#include "values/TvRawValueCodec.h"
#include "values/TvValueText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include <algorithm>

#include <cmath>
#include <cstdio>
#include <set>

namespace {

constexpr const char* kNullText = "(NULL)";

// Fields of a format: one per "%" followed by s, h, i, u, f or n.
int FieldCount(const QString& format) {
    int n = 0;
    for (qsizetype i = 0; i + 1 < format.size(); ++i)
        if (format[i] == '%' && QStringLiteral("shiufn").contains(format[i + 1]))
            ++n;
    return n;
}

std::vector<int> ParseBitList(const std::string& text) {
    std::vector<int> bits;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = text.find(',', start);
        const std::string piece =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const auto n = TvValueText::StrictInteger(piece);
        if (!n || *n < 0)
            RaiseError(errBadFormatSpecifier);
        bits.push_back(*n);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return bits;
}

QString Hex2(unsigned char octet) {
    return QStringLiteral("%1").arg(octet, 2, 16, QLatin1Char('0')).toUpper();
}

std::string EditText(const QPointer<QWidget>& control) {
    const auto* edit = qobject_cast<const QLineEdit*>(control.data());
    if (!edit)
        return {};
    // The switch holds bytes: a character beyond them would go out as "?", so it is refused instead.
    const QString text = edit->text();
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
        const QString name = TvEditConstraint::FieldName(*edit);
        throw TvException(ToBytes(name.isEmpty() ? QStringLiteral("A value") : name) +
                              " holds a character the switch cannot store (only Latin-1 letters and signs); "
                              "nothing was sent.",
                          errUnknown);
    }
    return ToBytes(text);
}

void SetEdit(const QPointer<QWidget>& control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control.data())) {
        edit->setText(text);
        // A value longer than the edit shows its beginning, as the operator reads it.
        edit->setCursorPosition(0);
    }
}

// Hex pairs of the first `count` edits: "00" for an empty edit, a lone digit gets a leading "0".
std::string HexOfEdits(const QList<QPointer<QWidget>>& edits, qsizetype count) {
    std::string hex;
    for (qsizetype i = 0; i < count && i < edits.size(); ++i) {
        const std::string t = EditText(edits[i]);
        hex += t.empty() ? std::string("00") : t.size() == 1 ? "0" + t : t;
    }
    return hex;
}

std::int32_t Number(const QList<QPointer<QWidget>>& edits, qsizetype i) {
    return TvValueText::Atol(EditText(edits[i]));
}

void NeedEdits(qsizetype have, qsizetype need) {
    if (have < need)
        RaiseError(errControlCount);
}

} // namespace

TvSNMPRequest2Edits::TvSNMPRequest2Edits(QWidget* owner)
    : TvSNMPRequest2Controls(owner), Constraints(std::make_unique<TvEditConstraint>(owner)) {}

TvSNMPRequest2Edits::~TvSNMPRequest2Edits() {
    alive_.reset();
    QObject::disconnect(selection_);
    Bindings.clear();
    Constraints.reset();
}

// ---- binding ---------------------------------------------------------------------------------

void TvSNMPRequest2Edits::CheckIndex(int index) const {
    if (index < 0 || index >= Request.VarList.Count())
        RaiseError(errPartialIndex);
}

void TvSNMPRequest2Edits::CheckPartSyntax(int partSyntax) const {
    try {
        TextToRaw(kNullText, partSyntax);
    } catch (const TvException&) {
        RaiseError(errPartialSyntax);
    }
}

const TvOptionList* TvSNMPRequest2Edits::EffectiveOptions(const ControlBinding& b) const {
    if (b.OptionList)
        return b.OptionList;
    const TvSNMPVarItem& item = Request.VarList.Item(b.VarIndex);
    if (b.ByteOffset == 0 && b.PartSyntax == item.Syntax)
        return item.Options;
    return nullptr;
}

ControlBinding& TvSNMPRequest2Edits::Add(int index, int byteOffset, int partSyntax,
                                         const TvOptionList* options) {
    CheckIndex(index);
    if (byteOffset < 0)
        RaiseError(errPartialIndex);
    CheckPartSyntax(partSyntax);
    ControlBinding b;
    b.VarIndex = index;
    b.ByteOffset = byteOffset;
    b.PartSyntax = partSyntax;
    b.OptionList = options;
    Bindings.push_back(std::move(b));
    return Bindings.back();
}

ControlBinding& TvSNMPRequest2Edits::AddWhole(int index) {
    CheckIndex(index);
    return Add(index, 0, Request.VarList.Item(index).Syntax, nullptr);
}

void TvSNMPRequest2Edits::BindList(ControlBinding& b, QWidget* control) {
    const TvOptionList* options = EffectiveOptions(b);
    if (!options)
        RaiseError(errNoOptionList);
    if (options->Kind() == TvOptionList::kPrefixes)
        RaiseError(errControlCount);
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditable(false);
        FillItems(*options, combo);
    } else if (auto* group = qobject_cast<TvRadioGroup*>(control)) {
        FillItems(*options, group);
    } else {
        RaiseError(errControlType);
    }
    b.Controls = {control};
}

void TvSNMPRequest2Edits::BindListView(QTreeView* listView, bool disableUntilSelected) {
    QObject::disconnect(selection_);
    ListView = listView;
    DisableUntilSelected = disableUntilSelected;
    if (!listView)
        return;
    model_ = new TvListViewModel(listView);
    // The view shows the lines through a sorting and filtering proxy; rows keep their read order in
    // the model, and every row number this binding hands out is the model's.
    proxy_ = new TvListSortProxy(listView);
    proxy_->setSourceModel(model_);
    listView->setModel(proxy_);
    QHeaderView* header = listView->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    QObject::connect(
        header, &QHeaderView::sortIndicatorChanged, proxy_.data(),
        [proxy = proxy_.data()](int section, Qt::SortOrder order) { proxy->sort(section, order); });
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setSelectionMode(QAbstractItemView::SingleSelection);
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setUniformRowHeights(true); // no per-row height queries on long tables
    listView->setAllColumnsShowFocus(true);
    listView->setAlternatingRowColors(false);
    // Grid lines; the selected row keeps the palette's highlight, also without the focus.
    listView->setStyleSheet(QStringLiteral(
        "QTreeView::item { border: 1px solid #d0d0d0; }"
        "QTreeView::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    selection_ =
        QObject::connect(listView->selectionModel(), &QItemSelectionModel::selectionChanged, listView,
                         [this](const QItemSelection& selected, const QItemSelection& deselected) {
                             std::set<int> off, on;
                             for (const QModelIndex& i : deselected.indexes())
                                 off.insert(SourceRow(i));
                             for (const QModelIndex& i : selected.indexes())
                                 on.insert(SourceRow(i));
                             // A line filtered away as it goes maps to no row.
                             off.erase(-1);
                             on.erase(-1);
                             for (int row : off)
                                 RowSelected(row, false);
                             for (int row : on)
                                 RowSelected(row, true);
                         });
    BuildColumns();
}

void TvSNMPRequest2Edits::BindStaticText(int index, QLabel* label) {
    ControlBinding& b = AddWhole(index);
    // The switch's value is shown as it is, never taken as markup.
    if (label)
        TvPlainText::Apply(label);
    b.Controls = {label};
}

void TvSNMPRequest2Edits::BindComboBox(int index, QComboBox* combo) {
    ControlBinding& b = AddWhole(index);
    try {
        BindList(b, combo);
    } catch (...) {
        Bindings.pop_back();
        throw;
    }
}

void TvSNMPRequest2Edits::BindRadioGroup(int index, TvRadioGroup* group) {
    ControlBinding& b = AddWhole(index);
    try {
        BindList(b, group);
    } catch (...) {
        Bindings.pop_back();
        throw;
    }
}

void TvSNMPRequest2Edits::BindPartialList(int index, int byteOffset, int partSyntax,
                                          const TvOptionList* options, QComboBox* combo) {
    ControlBinding& b = Add(index, byteOffset, partSyntax, options);
    try {
        BindList(b, combo);
    } catch (...) {
        Bindings.pop_back();
        throw;
    }
}

void TvSNMPRequest2Edits::AddEdits(ControlBinding& b, const QString& format, QLineEdit* first,
                                   const QList<QLineEdit*>& further) {
    QList<QLineEdit*> edits{first};
    edits += further;
    const int fields = FieldCount(format);
    if (fields > 0) {
        if (edits.size() > fields)
            edits.resize(fields);
        try {
            Constraints->AttachAll(format, edits);
        } catch (...) {
            Bindings.pop_back();
            throw;
        }
    }
    for (QLineEdit* e : edits)
        b.Controls << e;
}

void TvSNMPRequest2Edits::BindEdits(int index, const QString& format, QLineEdit* first,
                                    const QList<QLineEdit*>& further) {
    AddEdits(AddWhole(index), format, first, further);
}

void TvSNMPRequest2Edits::BindPartialEdits(int index, int byteOffset, int partSyntax,
                                           const TvOptionList* options, const QString& format,
                                           QLineEdit* first, const QList<QLineEdit*>& further) {
    AddEdits(Add(index, byteOffset, partSyntax, options), format, first, further);
}

void TvSNMPRequest2Edits::BindEditsInPanel(int index, const QString& format, QWidget* panel) {
    CheckIndex(index);
    QList<QLineEdit*> edits;
    Constraints->BuildFields(panel, format, &edits);
    if (edits.isEmpty())
        RaiseError(errControlCount);
    ControlBinding& b = AddWhole(index);
    for (QLineEdit* e : edits)
        b.Controls << e;
}

void TvSNMPRequest2Edits::BindBitCheckBoxes(int index, const std::string& bitList,
                                            const QList<QCheckBox*>& boxes) {
    CheckIndex(index);
    std::vector<int> bits = ParseBitList(bitList);
    if (static_cast<size_t>(boxes.size()) < bits.size())
        RaiseError(errControlCount);
    ControlBinding& b = AddWhole(index);
    b.BitIndexes = std::move(bits);
    for (size_t k = 0; k < b.BitIndexes.size(); ++k)
        b.Controls << boxes[static_cast<qsizetype>(k)];
}

void TvSNMPRequest2Edits::Unbind(int index) {
    for (auto it = Bindings.begin(); it != Bindings.end();) {
        if (it->VarIndex != index) {
            ++it;
            continue;
        }
        for (const QPointer<QWidget>& c : it->Controls)
            if (auto* edit = qobject_cast<QLineEdit*>(c.data()))
                Constraints->Detach(edit);
        it = Bindings.erase(it);
    }
}

void TvSNMPRequest2Edits::SetConstraintOwner(QWidget* window) {
    Constraints->SetForm(window);
}

void TvSNMPRequest2Edits::SetControlsEnabled(bool enabled) {
    for (const ControlBinding& b : Bindings)
        for (const QPointer<QWidget>& c : b.Controls)
            if (c)
                c->setEnabled(enabled);
}

// ---- values into controls ------------------------------------------------------------------------

void TvSNMPRequest2Edits::LoadControls(int index) {
    for (size_t i = 0; i < Bindings.size(); ++i) {
        const ControlBinding& b = Bindings[i];
        if (index != -1 && b.VarIndex != index)
            continue;
        if (Request.VarList.Item(b.VarIndex).Access & accExcluded)
            continue;
        Load(b);
    }
}

void TvSNMPRequest2Edits::Load(const ControlBinding& b) {
    const TvSNMPVarItem& item = Request.VarList.Item(b.VarIndex);
    std::string text = item.Options ? item.Options->TextToValue(item.Value) : item.Value;
    std::string raw = TextToRaw(text, item.Syntax);
    if (b.ByteOffset != 0 || b.PartSyntax != item.Syntax) {
        raw = ExtractRawPart(raw, b.ByteOffset, b.PartSyntax);
        text = RawToText(raw, b.PartSyntax);
    }
    if (const TvOptionList* options = EffectiveOptions(b))
        text = options->ValueToText(text);
    const QString qtext = FromBytes(text);

    QWidget* first = b.Controls.isEmpty() ? nullptr : b.Controls.first().data();
    if (auto* label = qobject_cast<QLabel*>(first)) {
        TvPlainText::Apply(label);
        label->setText(qtext);
    } else if (qobject_cast<QCheckBox*>(first) && !b.BitIndexes.empty()) {
        for (size_t k = 0; k < b.BitIndexes.size(); ++k) {
            const int n = b.BitIndexes[k];
            if (static_cast<size_t>(n / 8) >= raw.size())
                RaiseError(errPartialIndex);
            const bool set = static_cast<unsigned char>(raw[static_cast<size_t>(n / 8)]) & (0x80u >> (n % 8));
            if (auto* box = qobject_cast<QCheckBox*>(b.Controls[static_cast<qsizetype>(k)].data()))
                box->setChecked(set);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        const TvOptionList* options = EffectiveOptions(b);
        combo->setCurrentIndex(options ? OptionIndex(*options, qtext) : combo->findText(qtext));
    } else if (auto* group = qobject_cast<TvRadioGroup*>(first)) {
        const TvOptionList* options = EffectiveOptions(b);
        group->SetItemIndex(options ? OptionIndex(*options, qtext)
                                    : static_cast<int>(group->Items().indexOf(qtext)));
    } else if (qobject_cast<QLineEdit*>(first) && b.Controls.size() == 1) {
        SetEdit(b.Controls[0], qtext);
    } else if (qobject_cast<QLineEdit*>(first)) {
        const QList<QPointer<QWidget>>& e = b.Controls;
        const qsizetype n = e.size();
        const bool isNull = text == kNullText;
        const auto octet = [&raw](size_t i) {
            return i < raw.size() ? static_cast<unsigned char>(raw[i]) : 0u;
        };
        switch (b.PartSyntax) {
        case synOctetHex:
        case synOctetString:
        case synOpaque:
            NeedEdits(n, static_cast<qsizetype>(raw.size()));
            for (qsizetype i = 0; i < n; ++i)
                SetEdit(e[i], static_cast<size_t>(i) < raw.size() ? Hex2(octet(static_cast<size_t>(i)))
                                                                  : QString());
            break;
        case synObjectId: {
            const std::vector<std::uint32_t> ids = TvValueText::TextToOid(text);
            NeedEdits(n, static_cast<qsizetype>(ids.size()));
            for (qsizetype i = 0; i < n; ++i)
                SetEdit(e[i], static_cast<size_t>(i) < ids.size()
                                  ? QString::number(ids[static_cast<size_t>(i)])
                                  : QString());
            break;
        }
        case synIpAddress:
        case synNsapAddress:
            NeedEdits(n, 4);
            if (isNull)
                break;
            for (qsizetype i = 0; i < 4; ++i)
                SetEdit(e[i], QString::number(octet(static_cast<size_t>(i))));
            break;
        case synTimeTicks: {
            NeedEdits(n, 5);
            if (isNull)
                break;
            const std::uint32_t t = TvValueText::TextToTicks(text);
            const std::uint32_t parts[5] = {t / 8640000, (t % 8640000) / 360000, (t % 360000) / 6000,
                                            (t % 6000) / 100, t % 100};
            for (qsizetype i = 0; i < 5; ++i)
                SetEdit(e[i], QString::number(parts[i]));
            break;
        }
        case synMacAddress:
        case synOctet16: {
            const qsizetype need = b.PartSyntax == synMacAddress ? 6 : 16;
            NeedEdits(n, need);
            if (isNull)
                break;
            for (qsizetype i = 0; i < n && static_cast<size_t>(i) < raw.size(); ++i)
                SetEdit(e[i], Hex2(octet(static_cast<size_t>(i))));
            break;
        }
        case synDateAndTime: {
            NeedEdits(n, 10);
            if (isNull)
                break;
            const TvDateTime d(text);
            const int fields[7] = {d.Year, d.Month, d.Day, d.Hour, d.Minutes, d.Seconds, d.DeciSeconds};
            for (qsizetype i = 0; i < 7; ++i)
                SetEdit(e[i], QString::number(fields[i]));
            SetEdit(e[7], QString(QLatin1Char(d.UtcDirection)));
            SetEdit(e[8], QString::number(d.UtcHours));
            SetEdit(e[9], QString::number(d.UtcMinutes));
            break;
        }
        case synDateTimeReal: {
            NeedEdits(n, 7);
            if (isNull || raw.size() < 8)
                break;
            const double days = TvValueText::OctetsToReal(raw);
            if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
                RaiseError(errPartialValue);
            const double whole = std::floor(days);
            qint64 ms = std::llround((days - whole) * 86400000.0);
            QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(whole));
            if (ms >= 86400000) {
                ms -= 86400000;
                date = date.addDays(1);
            }
            const qint64 fields[7] = {date.year(),       date.month(),     date.day(), ms / 3600000,
                                      (ms / 60000) % 60, (ms / 1000) % 60, ms % 1000};
            for (qsizetype i = 0; i < 7; ++i)
                SetEdit(e[i], QString::number(fields[i]));
            break;
        }
        default:
            SetEdit(e[0], qtext);
            break;
        }
    } else {
        RaiseError(errControlType);
    }
}

// ---- controls into values ------------------------------------------------------------------------

std::string TvSNMPRequest2Edits::PartRawFromControls(const ControlBinding& b, bool& fromBits) const {
    fromBits = false;
    QWidget* first = b.Controls.isEmpty() ? nullptr : b.Controls.first().data();
    std::string text;
    if (auto* label = qobject_cast<QLabel*>(first)) {
        text = ToBytes(label->text());
    } else if (qobject_cast<QCheckBox*>(first) && !b.BitIndexes.empty()) {
        fromBits = true;
        std::string raw;
        for (size_t k = 0; k < b.BitIndexes.size(); ++k) {
            const int n = b.BitIndexes[k];
            const size_t at = static_cast<size_t>(n / 8);
            if (raw.size() <= at)
                raw.resize(at + 1, '\0');
            const auto* box = qobject_cast<const QCheckBox*>(b.Controls[static_cast<qsizetype>(k)].data());
            const unsigned char mask = static_cast<unsigned char>(0x80u >> (n % 8));
            if (box && box->isChecked())
                raw[at] = static_cast<char>(static_cast<unsigned char>(raw[at]) | mask);
            else
                raw[at] = static_cast<char>(static_cast<unsigned char>(raw[at]) & ~mask);
        }
        return raw;
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        text = combo->currentIndex() < 0 ? std::string() : ToBytes(combo->currentText());
    } else if (auto* group = qobject_cast<TvRadioGroup*>(first)) {
        const int i = group->ItemIndex();
        text = i < 0 ? std::string() : ToBytes(group->Items()[i]);
    } else if (qobject_cast<QLineEdit*>(first) && b.Controls.size() == 1) {
        text = EditText(b.Controls[0]);
    } else if (qobject_cast<QLineEdit*>(first)) {
        const QList<QPointer<QWidget>>& e = b.Controls;
        const qsizetype n = e.size();
        switch (b.PartSyntax) {
        case synOctetHex:
        case synOctetString:
        case synOpaque:
            text = HexOfEdits(e, n);
            break;
        case synObjectId: {
            std::vector<std::uint32_t> ids;
            for (qsizetype i = 0; i < n; ++i)
                ids.push_back(static_cast<std::uint32_t>(Number(e, i)));
            text = TvValueText::OidToText(ids);
            break;
        }
        case synIpAddress:
        case synNsapAddress: {
            NeedEdits(n, 4);
            char buf[64];
            std::snprintf(buf, sizeof buf, "%d.%d.%d.%d", Number(e, 0), Number(e, 1), Number(e, 2),
                          Number(e, 3));
            text = buf;
            break;
        }
        case synTimeTicks: {
            NeedEdits(n, 5);
            const std::uint32_t t = static_cast<std::uint32_t>(Number(e, 0)) * 8640000u +
                                    static_cast<std::uint32_t>(Number(e, 1)) * 360000u +
                                    static_cast<std::uint32_t>(Number(e, 2)) * 6000u +
                                    static_cast<std::uint32_t>(Number(e, 3)) * 100u +
                                    static_cast<std::uint32_t>(Number(e, 4));
            text = TvValueText::TicksToText(t);
            break;
        }
        case synMacAddress:
            NeedEdits(n, 6);
            text = HexOfEdits(e, 6);
            break;
        case synOctet16:
            NeedEdits(n, 16);
            text = HexOfEdits(e, 16);
            break;
        case synDateAndTime: {
            NeedEdits(n, 10);
            TvDateTime d;
            d.Year = static_cast<std::uint16_t>(Number(e, 0));
            d.Month = static_cast<std::uint8_t>(Number(e, 1));
            d.Day = static_cast<std::uint8_t>(Number(e, 2));
            d.Hour = static_cast<std::uint8_t>(Number(e, 3));
            d.Minutes = static_cast<std::uint8_t>(Number(e, 4));
            d.Seconds = static_cast<std::uint8_t>(Number(e, 5));
            d.DeciSeconds = static_cast<std::uint8_t>(Number(e, 6));
            const std::string dir = EditText(e[7]);
            d.UtcDirection = dir.empty() ? '+' : dir[0];
            d.UtcHours = static_cast<std::uint8_t>(Number(e, 8));
            d.UtcMinutes = static_cast<std::uint8_t>(Number(e, 9));
            text = d.ToText();
            break;
        }
        case synDateTimeReal: {
            NeedEdits(n, 7);
            const int hour = Number(e, 3);
            char buf[96];
            std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d %s", Number(e, 0), Number(e, 1),
                          Number(e, 2), hour % 12 == 0 ? 12 : hour % 12, Number(e, 4), Number(e, 5),
                          hour < 12 ? "am" : "pm");
            text = buf;
            break;
        }
        default:
            text = EditText(e[0]);
            break;
        }
    } else {
        RaiseError(errControlType);
    }
    if (const TvOptionList* options = EffectiveOptions(b))
        text = options->TextToValue(text);
    return TextToRaw(text, b.PartSyntax);
}

void TvSNMPRequest2Edits::StoreControls(int index) {
    TvSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        if ((index != -1 && i != index) || !list.IsWritable(i) || !Writing(i))
            continue;
        std::vector<const ControlBinding*> mine;
        for (const ControlBinding& b : Bindings)
            if (b.VarIndex == i)
                mine.push_back(&b);
        if (mine.empty())
            continue;
        TvSNMPVarItem& item = list.Item(i);
        std::string whole;
        bool haveWhole = false;
        // Text values are rebuilt from their parts alone.
        if (item.Syntax == synDisplayString)
            haveWhole = true;
        for (const ControlBinding* b : mine) {
            bool fromBits = false;
            const std::string part = PartRawFromControls(*b, fromBits);
            // A control showing the whole value replaces it: merging a shorter text over a longer
            // old one would keep the old tail.
            if (!fromBits && b->ByteOffset == 0 && b->PartSyntax == item.Syntax) {
                whole = part;
                haveWhole = true;
                continue;
            }
            if (!haveWhole) {
                const std::string old = item.Options ? item.Options->TextToValue(item.Value) : item.Value;
                // An emptied value (before a collecting write) has no octets to keep.
                whole = old.empty() ? std::string() : TextToRaw(old, item.Syntax);
                haveWhole = true;
            }
            const size_t end = static_cast<size_t>(b->ByteOffset) + part.size();
            if (whole.size() < end)
                whole.resize(end, '\0');
            whole.replace(static_cast<size_t>(b->ByteOffset), part.size(), part);
        }
        const std::string text = RawToText(whole, item.Syntax);
        item.Value = item.Options ? item.Options->ValueToText(text) : text;
    }
}

// ---- the read and write steps --------------------------------------------------------------------

void TvSNMPRequest2Edits::BuildColumns() {
    if (!model_ || !ListView)
        return;
    const TvSNMPVarList& list = Request.VarList;
    if (model_->ColumnCount() >= list.Count())
        return;
    // One column for each item, in the items' order: a row's cells are appended in that order, and a
    // selected line is copied back by it. Items not shown keep a column of no width.
    QStringList captions;
    std::vector<bool> hidden;
    std::vector<int> syntaxes;
    std::vector<bool> secret;
    for (int i = 0; i < list.Count(); ++i) {
        captions << FromBytes(list.Item(i).Label);
        hidden.push_back(!list.IsShown(i));
        syntaxes.push_back(list.Item(i).Syntax);
        secret.push_back(MaskSecrets && TvSecretVars::FindInstance(list.Item(i).Oid) != nullptr);
    }
    model_->SetColumns(captions);
    if (proxy_) {
        proxy_->SetSyntaxes(std::move(syntaxes));
        proxy_->SetSecretColumns(std::move(secret));
    }
    QHeaderView* header = ListView->header();
    header->setStretchLastSection(false);
    for (int k = 0; k < captions.size(); ++k)
        header->resizeSection(k, hidden[static_cast<size_t>(k)] ? 0 : header->sectionSizeHint(k));
}

void TvSNMPRequest2Edits::BeforeGet() {
    if (!model_)
        return;
    BuildColumns();
    model_->Clear();
}

void TvSNMPRequest2Edits::ReceiveOne() {
    if (!model_) {
        LoadControls(-1);
        return;
    }
    const TvSNMPVarList& list = Request.VarList;
    QStringList row;
    row.reserve(list.Count());
    for (int i = 0; i < list.Count(); ++i)
        row << FromBytes(list.Item(i).Value);
    model_->Append(std::move(row));
}

void TvSNMPRequest2Edits::ControlsToValues() {
    TvSNMPVarList& list = Request.VarList;
    // Scalars keep the values last read: they are what parts and bits are merged into, and what an
    // item without controls writes. Emptying them would write truncated values.
    if (model_) {
        for (int i = 0; i < list.Count(); ++i)
            list.Item(i).Value.clear();
        const int row = SelectedRow();
        if (row >= 0)
            for (int i = 0; i < list.Count(); ++i)
                list.Item(i).Value = ToBytes(model_->Cell(row, i));
    }
    StoreControls(-1);
}

void TvSNMPRequest2Edits::GetFailed(TvSNMPError& reply) {
    if (model_)
        model_->Flush();
    TvSNMPRequest2Controls::GetFailed(reply);
}

void TvSNMPRequest2Edits::AfterGet() {
    if (!model_)
        return;
    model_->Flush();
    if (DisableUntilSelected && Request.VarList.ItemType == TvSNMPVarList::itTable)
        SetControlsEnabled(false);
}

std::vector<std::string> TvSNMPRequest2Edits::KnownValues() const {
    if (!model_)
        return TvSNMPRequest2Controls::KnownValues();
    std::vector<std::string> known;
    if (const int row = SelectedRow(); row >= 0)
        for (int i = 0; i < Request.VarList.Count(); ++i)
            known.push_back(ToBytes(model_->Cell(row, i)));
    return known;
}

int TvSNMPRequest2Edits::SelectedRow() const {
    if (!ListView || !model_ || !ListView->selectionModel())
        return -1;
    const QModelIndexList rows = ListView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : SourceRow(rows.first());
}

int TvSNMPRequest2Edits::SourceRow(const QModelIndex& viewIndex) const {
    if (proxy_ && viewIndex.model() == proxy_.data())
        return proxy_->mapToSource(viewIndex).row();
    return viewIndex.row();
}

void TvSNMPRequest2Edits::SelectItem(QTreeView* sender, int row, bool selected) {
    if (ListViewSelectHandler) {
        std::weak_ptr<int> alive = alive_;
        ListViewSelectHandler(sender, row, selected);
        if (alive.expired())
            return;
    }
    if (!selected || !model_)
        return;
    if (DisableUntilSelected)
        SetControlsEnabled(true);
    TvSNMPVarList& list = Request.VarList;
    for (int k = 0; k < list.Count() && k < model_->ColumnCount(); ++k)
        list.Item(k).Value = ToBytes(model_->Cell(row, k));
    LoadControls(-1);
}

void TvSNMPRequest2Edits::RowSelected(int row, bool selected) {
    // A slot must not let an exception into the event loop: a row the controls cannot show is reported.
    try {
        SelectItem(ListView, row, selected);
    } catch (const TvException& e) {
        ReportProblem(e.Message());
    } catch (const std::exception& e) {
        ReportProblem(e.what());
    }
}

void TvSNMPRequest2Edits::ReportProblem(const std::string& message) {
    if (StatusTarget())
        ShowStatus(message);
    else
        TvMessageBox::Error(Owner, FromBytes(message));
}
