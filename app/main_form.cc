#include "app/main_form.h"

#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "app/link_label.h"
#include "app/organism_table_model.h"
#include "app/organism_table_view.h"
#include "app/organism_view.h"
#include "app/spin_edit.h"
#include "population/clock.h"

namespace vantrel {

namespace {

constexpr int kMinStartOrganisms = 2;
constexpr int kMaxStartOrganisms = 1000;

QLabel* MakeLabel(const char* name, const QString& text, QPoint position, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(position);
  label->adjustSize();
  return label;
}

}  // namespace

TMainForm::TMainForm(const MainFormServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      services_(services),
      grid_(kOrganismColumnCount, 2),
      population_(grid_, *services.random) {
  setObjectName(QStringLiteral("MainForm"));
  BuildControls();
  grid_.AddObserver(this);
  FormCreate();
}

TMainForm::~TMainForm() {
  grid_.RemoveObserver(this);
  // The table view and its model read the grid, which goes before the base class deletes
  // the child widgets: delete them while the grid still exists.
  delete sgrOrganisms;
  delete model_;
}

void TMainForm::BuildControls() {
  setWindowTitle(QStringLiteral("Vantrel 2.0"));
  setWindowIcon(QIcon(QStringLiteral(":/vantrel.svg")));
  // Metric-compatible stand-ins where the Windows fonts are missing.
  QFont::insertSubstitution(QStringLiteral("Arial Narrow"),
                            QStringLiteral("Liberation Sans Narrow"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont form_font(QStringLiteral("Arial Narrow"));
  form_font.setPixelSize(13);
  setFont(form_font);
  setAutoFillBackground(true);
  QPalette form_palette = palette();
  form_palette.setColor(QPalette::Window, form_palette.color(QPalette::ToolTipBase));
  setPalette(form_palette);
  setFixedSize(kAdvancedWidth, kHeight);
  move(189, 172);

  pbxOrganism = new OrganismView(this);
  pbxOrganism->setObjectName(QStringLiteral("pbxOrganism"));
  pbxOrganism->move(8, 12);

  spbStart =
      MakeToolButton("spbStart", QStringLiteral(":/icons/star.svg"),
                     QStringLiteral("Start with a totally new genepool"), QRect(8, 376, 33, 33));
  spbIdea =
      MakeToolButton("spbIdea", QStringLiteral(":/icons/bulb.svg"),
                     QStringLiteral("Get an idea to create an organism"), QRect(48, 376, 33, 33));
  spbExperiments =
      MakeToolButton("spbExperiments", QStringLiteral(":/icons/tubes.svg"),
                     QStringLiteral("Experiment with Vantrel"), QRect(88, 376, 33, 33));
  Label5 = MakeLabel("Label5", QStringLiteral("Health of organism"), QPoint(144, 376), this);
  lblHealth = new QLabel(QStringLiteral("0"), this);
  lblHealth->setObjectName(QStringLiteral("lblHealth"));
  lblHealth->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lblHealth->setGeometry(143, 392, 89, 13);
  spbFeed = MakeToolButton("spbFeed", QStringLiteral(":/icons/carrot.svg"),
                           QStringLiteral("Feed this organism"), QRect(244, 376, 33, 33));
  spbShoot = MakeToolButton("spbShoot", QStringLiteral(":/icons/pistol.svg"),
                            QStringLiteral("Kill this organism"), QRect(284, 376, 33, 33));
  spbAdvanced = MakeToolButton("spbAdvanced", QString(), QStringLiteral("Advanced options"),
                               QRect(325, 376, 33, 33));
  spbAdvanced->setText(QStringLiteral(">>"));
  QFont advanced_font(QStringLiteral("MS Sans Serif"));
  advanced_font.setPixelSize(11);
  advanced_font.setBold(true);
  spbAdvanced->setFont(advanced_font);
  QPalette advanced_palette = spbAdvanced->palette();
  advanced_palette.setColor(QPalette::ButtonText, QColor(128, 0, 0));
  spbAdvanced->setPalette(advanced_palette);

  model_ = new OrganismTableModel(grid_, this);
  sgrOrganisms = new OrganismTableView(grid_, model_, this);
  sgrOrganisms->setObjectName(QStringLiteral("sgrOrganisms"));
  sgrOrganisms->setGeometry(368, 16, 425, 249);
  QPalette table_palette = sgrOrganisms->palette();
  table_palette.setColor(QPalette::Base, form_palette.color(QPalette::ToolTipBase));
  sgrOrganisms->setPalette(table_palette);

  spbOpen = MakeToolButton("spbOpen", QString(), QString(), QRect(368, 272, 33, 33));
  spbOpen->setText(QStringLiteral("Open"));
  spbSave = MakeToolButton("spbSave", QString(), QString(), QRect(408, 272, 33, 33));
  spbSave->setText(QStringLiteral("Save"));
  spbExcel = MakeToolButton("spbExcel", QString(), QString(), QRect(760, 272, 31, 33));
  spbExcel->setText(QStringLiteral("Excel"));

  grbParameters = new QGroupBox(QStringLiteral("Parameters"), this);
  grbParameters->setObjectName(QStringLiteral("grbParameters"));
  grbParameters->setGeometry(368, 312, 425, 82);
  MakeLabel("Label1", QStringLiteral("Start with"), QPoint(8, 21), grbParameters);
  speStartOrganisms = new SpinEdit(10, kMinStartOrganisms, kMaxStartOrganisms, grbParameters);
  speStartOrganisms->setObjectName(QStringLiteral("speStartOrganisms"));
  speStartOrganisms->setGeometry(84, 17, 72, 26);
  MakeLabel("Label2", QStringLiteral("organisms"), QPoint(165, 21), grbParameters);
  MakeLabel("Label3", QStringLiteral("Amount of creativity"), QPoint(241, 21), grbParameters);
  speCreativity = new SpinEdit(10, 0, 0, grbParameters);
  speCreativity->setObjectName(QStringLiteral("speCreativity"));
  speCreativity->setGeometry(340, 18, 49, 26);
  MakeLabel("Label10", QStringLiteral("%"), QPoint(392, 24), grbParameters);
  MakeLabel("Label4", QStringLiteral("Survival bonus"), QPoint(8, 54), grbParameters);
  speSurvivalBonus = new SpinEdit(1, 0, 0, grbParameters);
  speSurvivalBonus->setObjectName(QStringLiteral("speSurvivalBonus"));
  speSurvivalBonus->setGeometry(84, 49, 73, 26);

  MakeLabel("Label6", QStringLiteral("Yet another"), QPoint(368, 393), this);
  Label7 = new LinkLabel(QStringLiteral("Quorvane"), this);
  Label7->setObjectName(QStringLiteral("Label7"));
  Label7->move(428, 393);
  Label7->adjustSize();
  MakeLabel("Label8", QStringLiteral("creation!"), QPoint(508, 393), this);
  Label9 = new LinkLabel(QStringLiteral("Vantrel Homepage"), this);
  Label9->setObjectName(QStringLiteral("Label9"));
  Label9->move(693, 393);
  Label9->adjustSize();

  // The table first, then the parameter boxes; tool buttons and labels take no focus.
  setTabOrder(sgrOrganisms, speStartOrganisms);
  setTabOrder(speStartOrganisms, speCreativity);
  setTabOrder(speCreativity, speSurvivalBonus);
  sgrOrganisms->setFocus();

  connect(spbStart, &QToolButton::clicked, this, &TMainForm::spbStartClick);
  connect(spbIdea, &QToolButton::clicked, this, &TMainForm::spbIdeaClick);
  connect(spbExperiments, &QToolButton::clicked, this, &TMainForm::spbExperimentsClick);
  connect(spbFeed, &QToolButton::clicked, this, &TMainForm::spbFeedClick);
  connect(spbShoot, &QToolButton::clicked, this, &TMainForm::spbShootClick);
  connect(spbAdvanced, &QToolButton::clicked, this, &TMainForm::spbAdvancedClick);
  connect(spbOpen, &QToolButton::clicked, this, &TMainForm::spbOpenClick);
  connect(spbSave, &QToolButton::clicked, this, &TMainForm::spbSaveClick);
  connect(spbExcel, &QToolButton::clicked, this, &TMainForm::spbExcelClick);
  connect(Label7, &LinkLabel::clicked, this, &TMainForm::Label7Click);
  connect(Label9, &LinkLabel::clicked, this, &TMainForm::Label9Click);
}

QToolButton* TMainForm::MakeToolButton(const char* name, const QString& icon, const QString& hint,
                                       QRect geometry) {
  auto* button = new QToolButton(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setGeometry(geometry);
  if (!icon.isEmpty()) {
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(32, 32));
  }
  if (!hint.isEmpty()) button->setToolTip(hint);
  return button;
}

void TMainForm::FormCreate() {
  pbxOrganism->update();  // plain white until the first organism is drawn
  services_.random->Seed(services_.clock->MillisecondsSinceMidnightUtc());
  population_.SetUpColumns();
  spbStartClick();
  PaintOrganism(grid_.Cell(kDnaColumn, 1));
  setFixedSize(kCompactWidth, kHeight);
}

void TMainForm::FormActivate() { PaintOrganism(population_.SelectedDna()); }

void TMainForm::FormPaint() { PaintOrganism(population_.SelectedDna()); }

void TMainForm::PaintOrganism(const std::string& dna) {
  const std::string& survival = population_.SelectedSurvival();
  lblHealth->setText(QString::fromLatin1(survival.data(), static_cast<qsizetype>(survival.size())));
  pbxOrganism->ShowDna(dna);
}

int TMainForm::StartOrganisms() const {
  // A value typed below 2 (or above 1000) and not yet left is forced into the limits here:
  // the table needs its title row and at least one organism.
  return std::clamp(speStartOrganisms->Value(), kMinStartOrganisms, kMaxStartOrganisms);
}

int TMainForm::Creativity() const { return speCreativity->Value(); }

int TMainForm::SurvivalBonus() const { return speSurvivalBonus->Value(); }

void TMainForm::spbStartClick() {
  population_.NewGenePool(StartOrganisms());
  PaintOrganism(population_.SelectedDna());
}

void TMainForm::spbAdvancedClick() {
  if (width() < kAdvancedWidth) {
    setFixedSize(kAdvancedWidth, kHeight);
    spbAdvanced->setText(QStringLiteral("<<"));
  } else {
    setFixedSize(kCompactWidth, kHeight);
    spbAdvanced->setText(QStringLiteral(">>"));
  }
}

void TMainForm::sgrOrganismsClick() { PaintOrganism(population_.SelectedDna()); }

void TMainForm::UpdateOrganismButtons() {
  spbFeed->setEnabled(grid_.HasBodyRows());
  spbShoot->setEnabled(grid_.HasBodyRows());
}

void TMainForm::GridReset() {
  sgrOrganisms->ShowGridSelection();
  UpdateOrganismButtons();
}

void TMainForm::GridSelectionChanged(int /*row*/) {
  sgrOrganisms->ShowGridSelection();
  sgrOrganismsClick();
}

void TMainForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
  QWidget::changeEvent(event);
}

void TMainForm::paintEvent(QPaintEvent* event) {
  FormPaint();
  QWidget::paintEvent(event);
}

}  // namespace vantrel
