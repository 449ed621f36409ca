#include "App.Adapter.Frame.Ocorrencia.h"

#include "Label.h"
#include "MemTable.h"
#include "SpeedButton.h"

TOcorrenciaFrameAdapter::TOcorrenciaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    SpeedButtonEdit->setVisible(false);
    SpeedButtonRemove->setVisible(false);
    SpeedButtonView->setVisible(false);

    LabelLocalAlteracao = AddHeadline(u"LabelLocalAlteracao", u"DESCRICAO_CLASSE");
    AddField(LabelTitleIDObjeto,
             LabelIDObjeto,
             { u"IDObjeto", u"ID do Registro:", 184, 269, 40, u"ID_OBJETO" });
    AddField(LabelTitleDataCadastro,
             LabelDataCadastro,
             { u"DataCadastro", u"Data:", 316, 353, 40, u"DATA_CADASTRO" });
    AddField(
        LabelTitleUsuario, LabelUsuario, { u"Usuario", u"Usuário:", 484, 528, 40, u"USUARIO" });
    AddField(
        LabelTitleOcorrencia, LabelOcorrencia, { u"Ocorrencia", u"Ocorrência:", 788, 865, 40 });

    SpeedButtonVisualizarAlteracoes = AddButton(QStringLiteral("SpeedButtonVisualizarAlteracoes"),
                                                QStringLiteral("passwordeditbutton"),
                                                [this] { SpeedButtonVisualizarAlteracoesClick(); });

    SetupLabels();
}

void TOcorrenciaFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    auto flag = [&ADataSet](const char *AField) {
        return ADataSet.FieldByName(QLatin1String(AField))->AsBoolean();
    };
    FOcorrencia = ADataSet.FieldByName(QStringLiteral("OCORRENCIA"))->AsString();
    LabelOcorrencia->setText(DescricaoOcorrencia(flag("IS_REGISTRO_ALTERADO"),
                                                 flag("IS_REGISTRO_REMOVIDO"),
                                                 flag("IS_OCORRENCIA_MANUAL"),
                                                 flag("IS_NOVO_REGISTRO"),
                                                 FOcorrencia));
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
