#include "gui/design/DesignYagi.h"

#include <QFocusEvent>

#include "core/design/Buildable.h"
#include "core/platform/Dialogs.h"
#include "core/state/YagiVar.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"
#include "gui/platform/WidgetKit.h"

namespace bs::gui {

namespace {

constexpr int kRow = 28;          // height of a box and its label
constexpr int kLabelWidth = 222;  // label left of its box
constexpr int kBoxWidth = 112;
const QColor kCream(255, 251, 240);

// The entry screen's labels: the controls' font at 15 pixels.
QLabel* EntryLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   const QColor& color) {
  return MakeLabel(parent, name, text, geometry, ControlFont(15), color);
}

// A construction panel: sunken, filled, with black text.
QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry, const QColor& color) {
  QFrame* panel = SunkenPanel(parent, name, geometry, color);
  SetTextColor(panel, Qt::black);
  return panel;
}

RadioGroup* MakeGroup(QWidget* parent, bs::design::Group number, const QRect& geometry,
                      const QColor& color) {
  const bs::ChoiceRow& row = bs::RowOf(bs::design::DesignChoices(), number);
  QStringList items;
  for (const char* item : row.items) items << ToQ(item);
  return MakeRadioGroup(parent, row.name, ToQ(row.title), items, geometry, ControlFont(15), color);
}

QLabel* MakeTitle(QWidget* panel, const char* name, const QString& text) {
  auto* title = EntryLabel(panel, name, text, QRect(0, 10, panel->width(), 26), Qt::black);
  title->setFont(ControlFont(17, true));
  title->setAlignment(Qt::AlignCenter);
  return title;
}

// Focus leaving a box for another control of the screen, not for a menu, a popup or another
// window.
bool MovedToAnotherControl(const QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
         reason != Qt::MenuBarFocusReason;
}

}  // namespace

TYagibaseform7::TYagibaseform7(QWidget* owner) : TYagibaseform(owner) {
  setObjectName("Yagibaseform7");
  setWindowTitle("Design Zuzo");
  Label1->setText("Beamsmith ");
  Label3 = WhiteLabel(Client(), "Label3", "Entry screen for yagi details", QRect(0, 36, 1245, 40),
                      ComicSans(26), Qt::AlignCenter);
  BuildLeftColumn();
  BuildCoaxList();
  BuildDipolePanel();
  BuildElementPanel();
  BuildButtons();
  AdjustMenu();
  BindEvents();
  SetTabOrder();
  groups_ = {nullptr, RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4, RadioGroup5};
  FinishLayout();
  Fixscreen();
}

void TYagibaseform7::BuildLeftColumn() {
  Label18 = EntryLabel(Client(), "Label18", "ALWAYS enter frequency before other data",
                       QRect(40, 84, 342, 44), Qt::white);
  Label18->setFont(ControlFont(15, true));
  Label18->setWordWrap(true);
  Edit1 = MakeRow(Client(), Label4, bs::design::kFreqBox, {40, 134}, Qt::white);
  Edit1->setToolTip("ALWAYS enter frequency first and exit box");
  Edit2 = MakeRow(Client(), Label5, bs::design::kDirectorsBox, {40, 176}, Qt::white);
  Edit2->setToolTip("Recommend min 8 directors");
  Edit5 = MakeRow(Client(), Label8, bs::design::kBoomBox, {40, 216}, Qt::white);
  RadioGroup1 = MakeGroup(Client(), bs::design::kBoomTypeGroup, QRect(40, 256, 342, 76), Qt::white);
  RadioGroup1->setToolTip("Cross section of boom type");
  Edit7 = MakeRow(Client(), Label10, bs::design::kBendBox, {40, 350}, Qt::white);
  Edit8 = MakeRow(Client(), Label11, bs::design::kGapBox, {40, 390}, Qt::white);
}

void TYagibaseform7::BuildCoaxList() {
  ListBox1 = new QListWidget(Client());
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(40, 448, 342, 368);
  ListBox1->setFont(ControlFont(15));
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const auto& entry : bs::design::CoaxTable) ListBox1->addItem(ToQ(entry.text));
  ListBox1->setCurrentRow(-1);
  Label12 = EntryLabel(Client(), "Label12", ToQ(bs::design::kNoCoaxLabel), QRect(40, 822, 342, 48),
                       Qt::white);
  Label12->setFont(ControlFont(15, true));
  Label12->setWordWrap(true);
  Label12->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TYagibaseform7::BuildDipolePanel() {
  Panel1 = MakePanel(Client(), "Panel1", QRect(826, 96, 380, 440), Qt::white);
  Label14 = MakeTitle(Panel1, "Label14", "Construction of Dipole");
  RadioGroup3 =
      MakeGroup(Panel1, bs::design::kDipoleShapeGroup, QRect(18, 50, 344, 104), Qt::white);
  RadioGroup5 =
      MakeGroup(Panel1, bs::design::kDipoleMountGroup, QRect(18, 170, 344, 104), Qt::white);
  Edit6 = MakeRow(Panel1, Label9, bs::design::kDipoleDiamBox, {18, 300}, Qt::black);
  Edit4 = MakeRow(Panel1, Label7, bs::design::kDipoleWidthBox, {18, 342}, Qt::black);
  Edit9 = MakeRow(Panel1, Label13, bs::design::kDipoleThickBox, {18, 384}, Qt::black);
}

void TYagibaseform7::BuildElementPanel() {
  Panel2 = MakePanel(Client(), "Panel2", QRect(428, 96, 380, 440), Qt::white);
  Label15 = MakeTitle(Panel2, "Label15", "Construction of directors/reflector");
  RadioGroup4 = MakeGroup(Panel2, bs::design::kElementShapeGroup, QRect(18, 50, 344, 104), kCream);
  RadioGroup2 = MakeGroup(Panel2, bs::design::kMountingGroup, QRect(18, 170, 344, 104), Qt::white);
  Edit3 = MakeRow(Panel2, Label6, bs::design::kElemDiamBox, {18, 300}, Qt::black);
  Edit10 = MakeRow(Panel2, Label16, bs::design::kElemWidthBox, {18, 342}, Qt::black);
  Edit11 = MakeRow(Panel2, Label17, bs::design::kElemThickBox, {18, 384}, Qt::black);
}

void TYagibaseform7::BuildButtons() {
  Panel3 = MakePanel(Client(), "Panel3", QRect(826, 726, 380, 90), ButtonFace());
  Button1 =
      MakeButton(Panel3, "Button1", "Calculate", QRect(30, 22, 150, 46), ControlFont(16, true));
  Button3 = MakeButton(Panel3, "Button3", "Back", QRect(200, 22, 150, 46), ControlFont(16));
}

QLineEdit* TYagibaseform7::MakeRow(QWidget* parent, QLabel*& label, bs::design::Box box, QPoint at,
                                   const QColor& color) {
  const bs::BoxRow& row = bs::RowOf(bs::design::DesignBoxes(), box);
  label =
      EntryLabel(parent, row.labelName, ToQ(row.label), QRect(at, QSize(kLabelWidth, kRow)), color);
  edits_[box] =
      MakeEdit(parent, row.name, QRect(at + QPoint(kLabelWidth + 8, 0), QSize(kBoxWidth, kRow)),
               ControlFont(15));
  return edits_[box];
}

void TYagibaseform7::AdjustMenu() {
  HideItem(Exit1);
  HideItem(Task->menuAction());
}

void TYagibaseform7::BindEvents() {
  Edit1->installEventFilter(this);
  ListBox1->viewport()->installEventFilter(this);
  connect(ListBox1, &QListWidget::itemSelectionChanged, this,
          GuardedSlot(this, &TYagibaseform7::NoteCoax));
  connect(ListBox1, &QListWidget::itemPressed, this, [this](QListWidgetItem* item) {
    // Clicking the coax already chosen chooses it again (a USER factor can be retyped).
    if (ListBox1->row(item) == coaxBeforePress_) Guarded([this] { NoteCoax(); });
  });
  connect(RadioGroup3, &RadioGroup::Clicked, this,
          GuardedSlot(this, &TYagibaseform7::RadioGroup3Click));
  connect(RadioGroup4, &RadioGroup::Clicked, this,
          GuardedSlot(this, &TYagibaseform7::RadioGroup4Click));
  connect(Button1, &QPushButton::clicked, this,
          GuardedSlot(this, &TYagibaseform7::YagiDoCalculate));
  connect(Button3, &QPushButton::clicked, this, &QDialog::accept);
}

void TYagibaseform7::SetTabOrder() {
  QList<QWidget*> chain = {ListBox1, Edit2, Edit5, Edit7, Edit8, Edit1};
  const auto addGroup = [&chain](const RadioGroup* group) {
    for (int i = 0; i < group->Count(); ++i) chain.push_back(group->Button(i));
  };
  addGroup(RadioGroup1);
  addGroup(RadioGroup3);
  chain << Edit4 << Edit9 << Edit6;
  addGroup(RadioGroup5);
  chain << Edit3;
  addGroup(RadioGroup4);
  chain << Edit10 << Edit11;
  addGroup(RadioGroup2);
  chain << Button1 << Button3;
  for (int i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

bool TYagibaseform7::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::FocusOut &&
      MovedToAnotherControl(static_cast<QFocusEvent*>(event)))
    Guarded([this] { Edit1Exit(); });
  if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonPress)
    coaxBeforePress_ = SelectedCoax();
  return TYagibaseform::eventFilter(watched, event);
}

bs::design::DesignEntries TYagibaseform7::Entries() const {
  bs::design::DesignEntries entries;
  for (const bs::BoxRow& row : bs::design::DesignBoxes())
    entries.edit[row.box] = FromQ(edits_[row.box]->text());
  for (const bs::ChoiceRow& row : bs::design::DesignChoices())
    entries.radio[row.group] = groups_[row.group]->ItemIndex();
  return entries;
}

void TYagibaseform7::SetEntries(const bs::design::DesignEntries& entries) {
  for (const bs::BoxRow& row : bs::design::DesignBoxes())
    edits_[row.box]->setText(ToQ(entries.edit[row.box]));
  for (const bs::ChoiceRow& row : bs::design::DesignChoices())
    groups_[row.group]->SetItemIndex(entries.radio[row.group]);
}

void TYagibaseform7::Fixscreen() {
  GetValues();
}

void TYagibaseform7::GetValues() {
  SetEntries(bs::design::EntriesFromState(bs::YagiVar::Global()));
  // the visible boxes follow the restored shapes, as after a click
  RadioGroup3Click();
  RadioGroup4Click();
}

void TYagibaseform7::SaveValues() {
  bs::design::SaveEntries(Entries(), bs::YagiVar::Global());
}

void TYagibaseform7::SaveThings() {
  SaveValues();
}

void TYagibaseform7::FormClose() {
  SaveThings();
}

void TYagibaseform7::FormActivate() {
  TYagibaseform::FormActivate();
  ListBox1->setFocus();
}

void TYagibaseform7::Edit1Exit() {
  auto entries = Entries();
  bs::design::ApplyBandPresets(entries);
  for (const bs::design::Box box : bs::design::kSizeBoxes)
    edits_[box]->setText(ToQ(entries.edit[box]));
}

void TYagibaseform7::ShowShapeBoxes(int shape, BoxRow diameter, BoxRow width, BoxRow thickness) {
  const bs::design::ShapeBoxes visible = bs::design::VisibleShapeBoxes(shape);
  const auto show = [](BoxRow row, bool on) {
    row.label->setVisible(on);
    row.box->setVisible(on);
  };
  show(diameter, visible.diameter);
  show(width, visible.width);
  show(thickness, visible.thickness);
}

void TYagibaseform7::RadioGroup3Click() {
  ShowShapeBoxes(RadioGroup3->ItemIndex(), {Label9, Edit6}, {Label7, Edit4}, {Label13, Edit9});
}

void TYagibaseform7::RadioGroup4Click() {
  ShowShapeBoxes(RadioGroup4->ItemIndex(), {Label6, Edit3}, {Label16, Edit10}, {Label17, Edit11});
}

int TYagibaseform7::SelectedCoax() const {
  const auto selected = ListBox1->selectedItems();
  return selected.isEmpty() ? -1 : ListBox1->row(selected.front());
}

void TYagibaseform7::NoteCoax() {
  const int index = SelectedCoax();
  if (index < 0) return;
  SaveValues();
  std::string answer = bs::design::kVelocityDefault;
  if (bs::design::CoaxEntryAsksUser(index))
    answer = bs::TheDialogs().InputBox(bs::design::kVelocityCaption, bs::design::kVelocityPrompt,
                                       bs::design::kVelocityDefault);
  if (const auto label = bs::design::NoteCoax(bs::YagiVar::Global(), index, answer))
    Label12->setText(ToQ(*label));
}

void TYagibaseform7::YagiDoCalculate() {
  SaveValues();
  // a failing box stops here with the earlier fields stored; the results do not open
  bs::design::StoreDesignInputs(Entries(), bs::YagiVar::Global());
  bs::design::RefuseUnbuildableDesign(bs::YagiVar::Global());
  EnableShowDesign();
}

void TYagibaseform7::SaveDesign() {
  SaveValues();
  TYagibaseform::Save_Data();
}

void TYagibaseform7::Save_Data() {
  SaveDesign();
}

void TYagibaseform7::Recoverdata() {
  TYagibaseform::Recoverdata();
  GetValues();
}

void TYagibaseform7::ContentsHTML1Click() {
  TYagibaseform::ContentsHTML1Click();
  ShowManualTopic("\\Zuzo.chm", 30);
}

}  // namespace bs::gui
