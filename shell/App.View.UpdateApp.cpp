#include "App.View.UpdateApp.h"

#include "App.Lib.Application.h"

#include "Image.h"
#include "Label.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

TFormViewUpdateApp::TFormViewUpdateApp(QWidget *AParent)
    : TFormBase(QStringLiteral("TFormViewUpdateApp"), AParent)
    , LabelInformativo(new TLabel(this, QStringLiteral("LabelInformativo")))
    , Image1(new TImage(this, QStringLiteral("Image1")))
{
    setWindowTitle(QStringLiteral("ATUALIZADOR"));
    setAttribute(Qt::WA_TranslucentBackground);
    resize(380, 107);
    LabelInformativo->setAlignment(Qt::AlignCenter);
    LabelInformativo->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelInformativo);
    layout->addWidget(Image1, 1);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    FormCreate();
}

void TFormViewUpdateApp::FormCreate()
{
    IsInitializateApp();
    TApplicationZunta::GetInstance().TimerEnable(false, true);
}
