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

    LabelLocalAlteracao = AddLabel(QStringLiteral("LabelLocalAlteracao"), QString(), 184, 8);
    LabelLocalAlteracao->setAutoSize(false);
    LabelLocalAlteracao->setSize(571, 24);
    LabelLocalAlteracao->setFontSize(15);
    LabelTitleIDObjeto = AddLabel(
        QStringLiteral("LabelTitleIDObjeto"), QStringLiteral("ID do Registro:"), 184, 40);
    LabelIDObjeto = AddLabel(QStringLiteral("LabelIDObjeto"), QString(), 269, 40);
    LabelTitleDataCadastro
        = AddLabel(QStringLiteral("LabelTitleDataCadastro"), QStringLiteral("Data:"), 316, 40);
    LabelDataCadastro = AddLabel(QStringLiteral("LabelDataCadastro"), QString(), 353, 40);
    LabelTitleUsuario
        = AddLabel(QStringLiteral("LabelTitleUsuario"), QStringLiteral("Usuário:"), 484, 40);
    LabelUsuario = AddLabel(QStringLiteral("LabelUsuario"), QString(), 528, 40);
    LabelTitleOcorrencia
        = AddLabel(QStringLiteral("LabelTitleOcorrencia"), QStringLiteral("Ocorrência:"), 788, 40);
    LabelOcorrencia = AddLabel(QStringLiteral("LabelOcorrencia"), QString(), 865, 40);

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
