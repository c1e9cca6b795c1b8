#include "zuzo.h"

#include "calcul.h"
#include "desktop.h"
#include "icons.h"
#include "infoyagi.h"
#include "layout.h"
#include "picturebutton.h"
#include "schemasyagi.h"
#include "yaginumbers.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace yagi {

namespace {

// Columns of the left part, in twips.
constexpr int captionX = 120;
constexpr int captionWidth = 3540;
constexpr int valueX = 3720;
constexpr int unitX = 4680;
constexpr int unitWidth = 960;
constexpr int rowHeight = 285;

struct Row {
  int y;
  const char* captionName;
  const char* caption;
  const char* valueName;
  const char* unitName;
  const char* unit;
};

constexpr Row entryRows[] = {
    {240, "Label1", "Fréquence de résonnance :", "Text1_0", "Label2", "mégahertz"},
    {600, "Label4", "Diamètre des éléments :", "Text1_1", "Label3_0", "millimètres"},
};

// In the order of the results of Calcul.
constexpr Row resultRows[] = {
    {1080, "Label5", "Diamètre du dipôle :", "DiamètreDipole", "Label3_1", "millimètres"},
    {1440, "Label6", "Longueur du réflecteur :", "LongRéflect", "Label14_0", "centimètres"},
    {1800, "Label7", "Espace entre axes du réflecteur et du dipôle :", "ERD", "Label14_1",
     "centimètres"},
    {2160, "Label8", "Longueur du dipôle :", "LongDipole", "Label14_2", "centimètres"},
    {2520, "Label9", "Espace entre axes du dipôle et du 1er directeur :", "EspaceDD", "Label14_3",
     "centimètres"},
    {2880, "Label10", "Longueur du premier directeur :", "LongDirect", "Label14_4", "centimètres"},
    {3240, "Label11", "Espace entre axes du 1er directeur et du 2ème :", "EspaceD", "Label14_5",
     "centimètres"},
    {3600, "Label12", "Longueur du deuxième directeur :", "Long2Direct", "Label14_6",
     "centimètres"},
    {3960, "Label13", "Longueur totale du boom de l'antenne :", "LongBoom", "Label14_7",
     "centimètres"},
};

struct EntryBox {
  int maxLength;
  const char* toolTip;
};

constexpr EntryBox entryBoxes[] = {
    {7, "Tapez ici la fréquence centrale pour le calcul"},
    {4, "Tapez ici le diamètre des éléments"},
};

enum class Picture { None, New, Calculator, Quit };

struct Button {
  int index;
  const char* caption;
  int y;
  int height;
  const char* toolTip;
  Picture picture;
};

constexpr int buttonX = 5760;
constexpr int buttonWidth = 1095;

constexpr Button buttons[] = {
    {Zuzo::Nouveau, "&Nouveau", 120, 855, "Effectue un nouveau calcul", Picture::New},
    {Zuzo::Calculer, "&Calculer", 1080, 855, "Caluler !", Picture::Calculator},
    {Zuzo::Exemple, "&Exemple", 2040, 375, "Exemple de calcul", Picture::None},
    {Zuzo::Informations, "&Informations", 2520, 375, "Affiche quelques informations",
     Picture::None},
    {Zuzo::Schemas, "&Schémas", 3000, 375, "Affiche les schémas de construction", Picture::None},
    {Zuzo::Quitter, "&Quitter", 3480, 855, "Retour au menu général", Picture::Quit},
};

const QString errorTitle = QStringLiteral("Erreur !");

// The key filter of the entry boxes: only digits and the decimal separator,
// a comma or a point (the keypad's key and the habit of a full-stop locale),
// get in, whether typed or pasted; backspace and the editing keys keep working.
class DigitsAndSeparatorFilter : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (const QChar c : input) {
      const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
      if (!digit && c != QLatin1Char(',') && c != QLatin1Char('.')) return Invalid;
    }
    return Acceptable;
  }
};

QIcon pictureIcon(Picture picture) {
  switch (picture) {
    case Picture::New:
      return newCalculationIcon();
    case Picture::Calculator:
      return calculatorIcon();
    case Picture::Quit:
      return quitIcon();
    case Picture::None:
      break;
  }
  return {};
}

}  // namespace

Zuzo::Zuzo(Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      desktop_(desktop) {
  setObjectName(QStringLiteral("ZUZO"));
  setWindowTitle(QStringLiteral("Antenne ZUZO 4 éléments"));
  setFixedSize(pixels(6915), pixels(4410));
  useWindowFont(this);
  buildEntryRows();
  buildLine();
  buildResultRows();
  buildButtons();
  fitCaptions(captions_);
}

QLabel* Zuzo::addLabel(const char* name, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QString::fromUtf8(name));
  label->setGeometry(place);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

void Zuzo::buildEntryRows() {
  auto* filter = new DigitsAndSeparatorFilter(this);
  for (int i = 0; i < 2; ++i) {
    const Row& row = entryRows[i];
    captions_.append(addLabel(row.captionName, QString::fromUtf8(row.caption),
                              twipRect(captionX, row.y, captionWidth, rowHeight)));
    addLabel(row.unitName, QString::fromUtf8(row.unit),
             twipRect(unitX, row.y, unitWidth, rowHeight));
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromUtf8(row.valueName));
    box->setGeometry(twipRect(valueX, row.y, 800, rowHeight));
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(entryBoxes[i].maxLength);
    box->setToolTip(QString::fromUtf8(entryBoxes[i].toolTip));
    box->setValidator(filter);
    text1_[static_cast<std::size_t>(i)] = box;
  }
}

void Zuzo::buildLine() {
  // Line1: the blue rule between the entries and the results.
  auto* line = new QWidget(this);
  line->setObjectName(QStringLiteral("Line1"));
  line->setGeometry(pixels(120), pixels(960), pixels(5640) - pixels(120) + 1, 1);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, Qt::blue);
  line->setPalette(palette);
}

void Zuzo::buildResultRows() {
  QPalette blueText = palette();
  blueText.setColor(QPalette::WindowText, Qt::blue);
  for (std::size_t i = 0; i < results_.size(); ++i) {
    const Row& row = resultRows[i];
    captions_.append(addLabel(row.captionName, QString::fromUtf8(row.caption),
                              twipRect(captionX, row.y, captionWidth, rowHeight)));
    addLabel(row.unitName, QString::fromUtf8(row.unit),
             twipRect(unitX, row.y, unitWidth, rowHeight));
    QLabel* result = addLabel(row.valueName, QString(), twipRect(valueX, row.y, 795, rowHeight));
    result->setAlignment(Qt::AlignCenter);
    result->setFrameStyle(QFrame::Box | QFrame::Plain);
    result->setLineWidth(1);
    result->setPalette(blueText);
    results_[i] = result;
  }
}

void Zuzo::buildButtons() {
  for (const Button& entry : buttons) {
    const QString caption = QString::fromUtf8(entry.caption);
    QPushButton* button = entry.picture == Picture::None
                              ? new QPushButton(caption, this)
                              : new PictureButton(caption, pictureIcon(entry.picture), this);
    button->setObjectName(QStringLiteral("Command1_%1").arg(entry.index));
    button->setGeometry(twipRect(buttonX, entry.y, buttonWidth, entry.height));
    button->setToolTip(QString::fromUtf8(entry.toolTip));
    const int index = entry.index;
    connect(button, &QPushButton::clicked, this, [this, index] { Command1Click(index); });
    // A focused button does not become the default, so Enter keeps
    // calculating after the focus has moved on (space still presses it).
    button->setAutoDefault(false);
    command1_[static_cast<std::size_t>(index)] = button;
  }
  // Enter anywhere in the window calculates.
  command1_[Calculer]->setDefault(true);
  // Keyboard order follows the layout: entries first, then the column.
  setTabOrder(text1_[0], text1_[1]);
  QWidget* previous = text1_[1];
  for (const Button& entry : buttons) {
    setTabOrder(previous, command1_[static_cast<std::size_t>(entry.index)]);
    previous = command1_[static_cast<std::size_t>(entry.index)];
  }
}

void Zuzo::Command1Click(int index) {
  switch (index) {
    case Nouveau:
      newCalculation();
      break;
    case Calculer:
      calculate();
      break;
    case Informations:
      showInformation();
      break;
    case Schemas:
      showDrawings();
      break;
    case Quitter:
      askToQuit();
      break;
    case Exemple:
      example();
      break;
    default:
      break;
  }
}

void Zuzo::keyPressEvent(QKeyEvent* event) {
  // Escape does not close the main window; only its close box and Quitter do.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void Zuzo::newCalculation() {
  setEntriesEnabled(true);
  for (QLineEdit* box : text1_) box->clear();
  for (QLabel* result : results_) result->clear();
  text1_[0]->setFocus();
}

void Zuzo::calculate() {
  if (entriesPassChecks()) Calcul();
}

void Zuzo::example() {
  text1_[0]->setText(QStringLiteral("145"));
  text1_[1]->setText(QStringLiteral("6"));
  Calcul();
}

bool Zuzo::entriesPassChecks() {
  if (text1_[0]->text().isEmpty() || text1_[1]->text().isEmpty()) {
    desktop_.showMessage(
        this, errorTitle,
        QStringLiteral("Vous devez entrer des valeurs pour pouvoir effectuer le calcul !"));
    return false;
  }
  // The whole part before the comma must not be zero, so 0,5 is refused.
  if (leadingWholeNumberIsZero(text1_[0]->text()) || leadingWholeNumberIsZero(text1_[1]->text())) {
    desktop_.showMessage(this, errorTitle,
                         QStringLiteral("Les valeurs doivent être différentes de zéro !"));
    return false;
  }
  return true;
}

void Zuzo::Calcul() {
  const auto shown = yagi::Calcul(text1_[0]->text(), text1_[1]->text(), QLocale());
  if (!shown) {
    // A text such as 1,,5 gets past the checks but is no number in the
    // user's locale: nothing is computed from it.
    desktop_.showMessage(this, errorTitle,
                         QStringLiteral("Valeur non numérique : vérifiez les entrées !"));
    return;
  }
  for (std::size_t i = 0; i < results_.size(); ++i) results_[i]->setText((*shown)[i]);
  setEntriesEnabled(false);
}

void Zuzo::setEntriesEnabled(bool enabled) {
  for (QLineEdit* box : text1_) box->setEnabled(enabled);
}

void Zuzo::showInformation() {
  InfoYAGI notes(this);
  notes.exec();
}

void Zuzo::showDrawings() {
  schemasWindow()->exec();
}

SchemasYAGI* Zuzo::schemasWindow() {
  if (!schemas_) schemas_ = new SchemasYAGI(this);
  return schemas_;
}

void Zuzo::askToQuit() {
  if (desktop_.askYesNo(this, QStringLiteral("Fin du programme"),
                        QStringLiteral("Voulez-vous vraiment quitter ce programme ?")))
    desktop_.endProgram();
}

}  // namespace yagi
