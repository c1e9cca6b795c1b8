#pragma once
// ZUZO, the main window of yagi: two entry boxes (frequency, element
// diameter), nine result labels and the column of six buttons `Command1`.
// A calculation fills the labels through Calcul and locks the entries until
// "Nouveau".

#include <QDialog>

#include <QList>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace yagi {

class Desktop;
class SchemasYAGI;

class Zuzo : public QDialog {
  Q_OBJECT

 public:
  // Indexes of the button array Command1.
  enum Command {
    Nouveau = 0,
    Calculer = 1,
    Informations = 2,
    Schemas = 3,
    Quitter = 4,
    Exemple = 5
  };

  explicit Zuzo(Desktop& desktop, QWidget* parent = nullptr);

  // Runs the action of the button with this index.
  void Command1Click(int index);

  // The drawing window, created on first use.
  SchemasYAGI* schemasWindow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildEntryRows();
  void buildResultRows();
  void buildButtons();
  void buildLine();
  QLabel* addLabel(const char* name, const QString& text, const QRect& place);

  void newCalculation();
  void calculate();
  void example();
  void showInformation();
  void showDrawings();
  void askToQuit();

  bool entriesPassChecks();
  void Calcul();
  void setEntriesEnabled(bool enabled);

  Desktop& desktop_;
  QList<QLabel*> captions_;
  std::array<QLineEdit*, 2> text1_{};
  std::array<QLabel*, 9> results_{};
  std::array<QPushButton*, 6> command1_{};
  SchemasYAGI* schemas_ = nullptr;
};

}  // namespace yagi
