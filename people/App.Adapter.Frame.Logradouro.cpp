#include "App.Adapter.Frame.Logradouro.h"

TLogradouroFrameAdapter::TLogradouroFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelLogradouro = AddHeadline(u"LabelLogradouro", u"LOGRADOURO");
    AddField(LabelTitleBairroCep, LabelBairroCep, { u"BairroCep", u"Bairro/CEP:", 184, 258, 42 });
    AddColumns(LabelBairroCep, { QStringLiteral("BAIRRO"), QStringLiteral("CEP") });
    AddField(LabelTitleMunicipioUF,
             LabelMunicipioUF,
             { u"MunicipioUF", u"Município/UF:", 500, 592, 42 });
    AddColumns(LabelMunicipioUF, { QStringLiteral("MUNICIPIO"), QStringLiteral("UF") });
    SetupLabels();
}
