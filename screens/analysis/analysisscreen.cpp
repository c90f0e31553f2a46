#include "analysisscreen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "kalvex.h"
#include "platform/picturebox.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"

AnalysisScreen::AnalysisScreen(Kalvex& kalvex, ScreenRegistry& registry)
    : QMainWindow(nullptr), kalvex(kalvex), registry(registry) {
    setObjectName("解析画面");
    setWindowTitle("解析画面");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(this);
    client->setFixedSize(twipsToPixels(14664), twipsToPixels(10860));
    setCentralWidget(client);

    軸幅枠 = new QGroupBox("目盛間隔", client);
    軸幅枠->setObjectName("軸幅枠");
    軸幅枠->setGeometry(twipsRect(12015, 315, 2235, 1410));
    軸幅枠->hide();
    軸幅[1] = new QLabel(軸幅枠);
    軸幅[1]->setObjectName("軸幅(1)");
    軸幅[1]->setGeometry(twipsRect(600, 885, 1305, 345));
    軸幅[0] = new QLabel(軸幅枠);
    軸幅[0]->setObjectName("軸幅(0)");
    軸幅[0]->setGeometry(twipsRect(600, 345, 1305, 345));
    Label3 = new QLabel("Y軸", 軸幅枠);
    Label3->setObjectName("Label3");
    Label3->setGeometry(twipsRect(180, 930, 450, 255));
    Label2 = new QLabel("X軸", 軸幅枠);
    Label2->setObjectName("Label2");
    Label2->setGeometry(twipsRect(180, 375, 450, 255));

    図 = new PictureBox(client);
    図->setObjectName("図");
    図->setGeometry(twipsRect(120, 1785, 14136, 8475));
    yti = new QLabel(図);
    yti->setObjectName("yti");
    yti->hide();
    xti = new QLabel(図);
    xti->setObjectName("xti");
    xti->hide();
    手動解 = new QLabel(図);
    手動解->setObjectName("手動解");
    手動解->hide();
    itixy = new QLabel(図);
    itixy->setObjectName("itixy");
    itixy->hide();
}
