#include "infoyagi.h"

#include "layout.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace yagi {

InfoYAGI::InfoYAGI(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("InfoYAGI"));
  setWindowTitle(QStringLiteral("Informations"));
  setFixedSize(pixels(6990), pixels(2535));
  useWindowFont(this);

  auto* text = new QTextEdit(this);
  text->setObjectName(QStringLiteral("Text1"));
  text->setGeometry(rect());
  text->setReadOnly(true);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text->setPlainText(constructionNotes());
  // Every line is centred.
  QTextCursor cursor(text->document());
  cursor.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  cursor.mergeBlockFormat(centred);
  text->moveCursor(QTextCursor::Start);
}

void InfoYAGI::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

QString InfoYAGI::constructionNotes() {
  return QStringLiteral(
      "Antenne Zuzo à 4 éléments pour la bande des 2 mètres (145 MHz)\n"
      "\n"
      "        Le dipôle « A » est formé de deux tubes d'aluminium de 12 mm de diamètre et de 1 mm "
      "d'épaisseur, longs chacun de 481 mm. Chaque tube est aplati sur 20 mm à une extrémité, puis "
      "percé "
      "à cet endroit d'un trou de 5 mm, à 5 mm du bord ; ce trou sert à le fixer au boîtier de "
      "connexion "
      "et au câble coaxial de 50 ohms. Les deux demi-dipôles sont écartés de 7 mm.\n"
      "\n"
      "         Les directeurs et le réflecteur sont en rond plein d'aluminium de 6 mm de "
      "diamètre.\n"
      "\n"
      "        Le boom est un tube carré en acier de 16 mm sur 16 mm et de 1 mm d'épaisseur, long "
      "de "
      "1500 mm. Il dépasse derrière le réflecteur pour recevoir le collier de fixation au mât "
      "(l'antenne "
      "était prévue à l'origine en polarisation verticale) et de quelques millimètres au-delà du "
      "deuxième "
      "directeur. Tous les éléments, sauf le dipôle, sont à la masse du boom : ils sont fixés "
      "d'équerre "
      "sur celui-ci, parallèles entre eux, par de petites plaquettes métalliques serrées par un "
      "boulon "
      "ou par deux vis. Le câble coaxial court à l'intérieur du boom : il y entre derrière le "
      "dipôle et en "
      "ressort derrière le réflecteur. Sa longueur est d'un quart d'onde, ce qui en fait un "
      "symétriseur "
      "(balun) ; sa tresse est mise à la masse au boîtier de connexion.\n"
      "\n"
      "        Le boîtier de connexion en plastique qui reçoit les deux demi-dipôles provient "
      "d'une antenne "
      "de télévision, tout comme le collier de fixation du boom au mât. Une fois les connexions du "
      "câble "
      "coaxial faites, le boîtier est rendu étanche sur tout son pourtour.\n"
      "\n"
      "         L'alimentation se fait par un câble coaxial de 50 ohms. La fréquence d'accord de "
      "l'antenne est de 145 MHz.");
}

}  // namespace yagi
