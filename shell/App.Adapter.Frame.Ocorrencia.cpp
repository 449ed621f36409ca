#include "App.Adapter.Frame.Ocorrencia.h"

#include "App.Lib.Exception.h"

#include "Label.h"
#include "SpeedButton.h"
#include "TextSettings.h"

TOcorrenciaFrameAdapter::TOcorrenciaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    SpeedButtonEdit->setVisible(false);
    SpeedButtonRemove->setVisible(false);
    SpeedButtonView->setVisible(false);

    auto makeLabel = [this](const QString &name, const QString &text, int x, int y) {
        auto *label = new TLabel(LayoutBackground, name);
        label->setText(text);
        label->setPosition(x, y);
        label->setAutoSize(true);
        return label;
    };
    LabelLocalAlteracao = makeLabel(QStringLiteral("LabelLocalAlteracao"), QString(), 184, 8);
    LabelLocalAlteracao->setAutoSize(false);
    LabelLocalAlteracao->setSize(571, 24);
    LabelLocalAlteracao->setFontSize(15);
    LabelTitleIDObjeto = makeLabel(
        QStringLiteral("LabelTitleIDObjeto"), QStringLiteral("ID do Registro:"), 184, 40);
    LabelIDObjeto = makeLabel(QStringLiteral("LabelIDObjeto"), QString(), 269, 40);
    LabelTitleDataCadastro
        = makeLabel(QStringLiteral("LabelTitleDataCadastro"), QStringLiteral("Data:"), 316, 40);
    LabelDataCadastro = makeLabel(QStringLiteral("LabelDataCadastro"), QString(), 353, 40);
    LabelTitleUsuario
        = makeLabel(QStringLiteral("LabelTitleUsuario"), QStringLiteral("Usuário:"), 484, 40);
    LabelUsuario = makeLabel(QStringLiteral("LabelUsuario"), QString(), 528, 40);
    LabelTitleOcorrencia
        = makeLabel(QStringLiteral("LabelTitleOcorrencia"), QStringLiteral("Ocorrência:"), 788, 40);
    LabelOcorrencia = makeLabel(QStringLiteral("LabelOcorrencia"), QString(), 865, 40);

    SpeedButtonVisualizarAlteracoes
        = new TSpeedButton(LayoutButtons, QStringLiteral("SpeedButtonVisualizarAlteracoes"));
    SpeedButtonVisualizarAlteracoes->setStyleLookup(QStringLiteral("passwordeditbutton"));
    SpeedButtonVisualizarAlteracoes->setWidth(34);
    SpeedButtonVisualizarAlteracoes->setAlign(TAlignLayout::Right);
    SpeedButtonVisualizarAlteracoes->OnClick = [this](QObject *) {
        TDravikHandleException::Guard([this] { SpeedButtonVisualizarAlteracoesClick(); });
    };

    SetupLabels();
}

void TOcorrenciaFrameAdapter::SpeedButtonVisualizarAlteracoesClick()
{
    if (FProcVisualizarAlteracoes)
        FProcVisualizarAlteracoes(this);
}

QString TOcorrenciaFrameAdapter::DescricaoOcorrencia(bool AIsRegistroAlterado,
                                                     bool AIsRegistroRemovido,
                                                     bool AIsOcorrenciaManual,
                                                     bool AIsNovoRegistro,
                                                     const QString &AOcorrencia)
{
    QString text = AIsRegistroAlterado ? QStringLiteral("Registro alterado") : AOcorrencia;
    if (AIsRegistroRemovido)
        text = QStringLiteral("Registro removido");
    if (AIsOcorrenciaManual)
        text = QStringLiteral("Ocorrência Manual");
    if (AIsNovoRegistro)
        text = QStringLiteral("Novo registro");
    return text;
}
