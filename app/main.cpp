#include "RestRequest.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    TRestRequest::GlobalInit();
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Zunta"));
    label.setObjectName(QStringLiteral("LabelZunta"));
    label.resize(320, 120);
    label.show();
    return application.exec();
}
