#include "App.Form.Cadastro.Plano.h"

#include "App.Adapter.Frame.Plano.h"
#include "App.Connector.Plano.h"
#include "App.Form.SubCadastro.AdicionalContratoPlano.h"
#include "App.Form.SubCadastro.CarenciaPlano.h"
#include "App.Form.SubCadastro.ConvenioPlano.h"
#include "App.Form.SubCadastro.DependentePlano.h"
#include "App.Form.SubCadastro.FaixaEtariaPlano.h"
#include "App.Form.SubCadastro.ServicoDependentePlano.h"
#include "App.Form.SubCadastro.ServicoPlano.h"
#include "App.Form.SubCadastro.ValorPlano.h"
#include "App.Form.SubCadastro.VendedorPlano.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.Convenio.h"
#include "App.Presenter.DependentePlano.h"
#include "App.Presenter.Plano.h"

#include "CheckBox.h"
#include "DateEdit.h"
#include "Edit.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SysUtils.h"

ZUNTA_REGISTER_FORM(TFormCadastroPlano)

TFormCadastroPlano::TFormCadastroPlano(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroPlano"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Planos"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
    place.Field(LabelListaTipoPlano, EditListaTipoPlano, u"ListaTipoPlano", 8, 66, 280);
    place.Field(LabelQuantidadeDependentes,
                EditQuantidadeDependentes,
                u"QuantidadeDependentes",
                297,
                66,
                85);
    place.Field(LabelParcelas, EditParcelas, u"Parcelas", 392, 66, 85);
    place.Field(LabelPesoClassificacao, EditPesoClassificacao, u"PesoClassificacao", 487, 66, 90);
    place.Field(
        LabelListaFormaCobranca, EditListaFormaCobranca, u"ListaFormaCobranca", 8, 124, 280);
    place.Field(LabelRelatorio, EditRelatorio, u"Relatorio", 297, 124, 280);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 8, 182, 140);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 157, 182, 420);
    place.Field(LabelListaTipoSequenciaParcelas,
                EditListaTipoSequenciaParcelas,
                u"ListaTipoSequenciaParcelas",
                8,
                240,
                569);

    const TPlacement filtros(ToolBarFiltros, 24, 32);
    filtros.Control(CheckBoxFilterSomenteAtivos, u"FilterSomenteAtivos", 16, 12, 200, 22);
    CheckBoxFilterSomenteAtivos->setText(QStringLiteral("Somente Ativos"));
}

void TFormCadastroPlano::FormCreate()
{
    FormServicoDependentePlano = TFormBase::Create<TFormSubCadastroServicoDependentePlano>(this);
    FormCarenciaPlano = TFormBase::Create<TFormSubCadastroCarenciaPlano>(this);
    FormDependentePlano
        = TFormBase::Create<TFormSubCadastroDependentePlano>(FormServicoDependentePlano, this);
    FormServicoPlano = TFormBase::Create<TFormSubCadastroServicoPlano>(this);
    FormValorPlano = TFormBase::Create<TFormSubCadastroValorPlano>(this);
    FormFaixaEtariaPlano = TFormBase::Create<TFormSubCadastroFaixaEtariaPlano>(this);
    FormAdicionalContratoPlano = TFormBase::Create<TFormSubCadastroAdicionalContratoPlano>(this);
    FormConvenioPlano = TFormBase::Create<TFormSubCadastroConvenioPlano>(this);
    FormVendedorPlano = TFormBase::Create<TFormSubCadastroVendedorPlano>(this);
    RegisterSubCadastro(FormCarenciaPlano);
    RegisterSubCadastro(FormDependentePlano);
    RegisterSubCadastro(FormServicoPlano);
    RegisterSubCadastro(FormValorPlano);
    RegisterSubCadastro(FormFaixaEtariaPlano);
    RegisterSubCadastro(FormAdicionalContratoPlano);
    RegisterSubCadastro(FormConvenioPlano);
    RegisterSubCadastro(FormVendedorPlano);
    TFormBaseCadastro::FormCreate();
    // The dependents' services last: they are linked to the dependent rows read before them.
    FListFillDados->AddFrameList(FormCarenciaPlano->FrameList())
        .AddFrameList(FormDependentePlano->FrameList())
        .AddFrameList(FormServicoPlano->FrameList())
        .AddFrameList(FormValorPlano->FrameList())
        .AddFrameList(FormFaixaEtariaPlano->FrameList())
        .AddFrameList(FormAdicionalContratoPlano->FrameList())
        .AddFrameList(FormConvenioPlano->FrameList())
        .AddFrameList(FormVendedorPlano->FrameList())
        .AddFrameList(FormServicoDependentePlano->FrameList(),
                      &FormDependentePlano->DataSetSubCadastro());
}

void TFormCadastroPlano::SetInfoPresenter()
{
    auto presenter = TBasePresenter::Create<TPlanoPresenter>();
    TPlanoConnector::New(
        { FormServicoDependentePlano->PresenterSubCadastro(),
          dynamic_cast<TDependentePlanoPresenter *>(FormDependentePlano->PresenterSubCadastro()),
          FormCarenciaPlano->PresenterSubCadastro(),
          FormServicoPlano->PresenterSubCadastro(),
          FormValorPlano->PresenterSubCadastro(),
          FormFaixaEtariaPlano->PresenterSubCadastro(),
          FormAdicionalContratoPlano->PresenterSubCadastro(),
          FormConvenioPlano->PresenterSubCadastro(),
          FormVendedorPlano->PresenterSubCadastro() })
        .SetPresenterPlano(presenter.get())
        .SetDataSetServicoDependentePlano(&FormServicoDependentePlano->DataSetSubCadastro())
        .SetDataSetDependentePlano(&FormDependentePlano->DataSetSubCadastro())
        .SetDataSetCarenciaPlano(&FormCarenciaPlano->DataSetSubCadastro())
        .SetDataSetServicoPlano(&FormServicoPlano->DataSetSubCadastro())
        .SetDataSetValorPlano(&FormValorPlano->DataSetSubCadastro())
        .SetDataSetFaixaEtariaPlano(&FormFaixaEtariaPlano->DataSetSubCadastro())
        .SetDataSetAdicionalContratoPlano(&FormAdicionalContratoPlano->DataSetSubCadastro())
        .SetDataSetConvenioPlano(&FormConvenioPlano->DataSetSubCadastro())
        .SetDataSetVendedorPlano(&FormVendedorPlano->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    SetIsComplexPost(true);
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroPlano::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditDescricao,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Valores"), FormValorPlano, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Dependentes"), FormDependentePlano, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Carências"), FormCarenciaPlano, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Serviços"), FormServicoPlano, nullptr, false, false);
    AddSubCadastro(
        QStringLiteral("Faixa Etária Cobertura"), FormFaixaEtariaPlano, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Adicionais de Contrato"),
                   FormAdicionalContratoPlano,
                   nullptr,
                   false,
                   false);
    AddSubCadastro(
        QStringLiteral("Convênios"),
        FormConvenioPlano,
        [this] { offerTodosConvenios(); },
        false,
        false);
    AddSubCadastro(QStringLiteral("Vendedores"), FormVendedorPlano, nullptr, false, false);
}

void TFormCadastroPlano::offerTodosConvenios()
{
    TMemTable &table = FormConvenioPlano->DataSetSubCadastro();
    if (table.Active() && table.RecordCount() > 0)
        return;
    if (!FormConvenioPlano->IsListTabActive())
        return;
    if (TAppUtils::MessageSystem(
            Format(QStringLiteral("QUESTION:Deseja realizar %s?"),
                   { QStringLiteral("a inclusão de todos os convênios cadastrados") }))
        != mrYes)
        return;
    std::optional<TObjectList<TConvenioDto>> convenios;
    try {
        convenios = TBasePresenter::Create<TConvenioPresenter>()->findAllFirstPage();
    } catch (const std::exception &) {
        // The offer is a convenience: without the list the person adds agreements one by one.
        return;
    }
    if (!convenios)
        return;
    if (!table.Active())
        FormConvenioPlano->PresenterSubCadastro()->Clear(true, false);
    for (const auto &convenio : *convenios) {
        table.Append();
        table.FieldByName(QStringLiteral("ID_CONVENIO"))->SetAsLargeInt(convenio->Id);
        table.FieldByName(QStringLiteral("CONVENIO"))->SetAsString(convenio->Pessoa);
        table.FieldByName(QStringLiteral("DESCONTO_CONVENIO"))->SetAsFloat(convenio->Desconto);
        table.FieldByName(QStringLiteral("SEGMENTO"))->SetAsString(convenio->Segmento);
        table.Post();
    }
    FormConvenioPlano->executeFillDadosSubCadastro(true);
}

void TFormCadastroPlano::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditDescricao, QStringLiteral("Descrição do Plano"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
    manager.Bind(EditListaTipoPlano, QStringLiteral("Tipo do Plano"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoPlano)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("PLANO"));
    const auto digits
        = [&manager](TEdit *AEdit, const QString &ATitle, TLabel *ACaption, int ASize) {
              return manager.Bind(AEdit, ATitle)
                  .Format(TFormatterEdit::Personalizado, QString(ASize, u'#'))
                  .MaxLength(ASize)
                  .Caption(ACaption);
          };
    digits(
        EditQuantidadeDependentes, QStringLiteral("Qtde. Pessoas"), LabelQuantidadeDependentes, 3)
        .Required();
    digits(EditParcelas, QStringLiteral("Qtde. Parcelas"), LabelParcelas, 3).Required();
    digits(EditPesoClassificacao, QStringLiteral("Peso Prioridade"), LabelPesoClassificacao, 10);
    manager.Bind(EditListaFormaCobranca, QStringLiteral("Forma de Cobrança"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaFormaCobranca)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("FORMA_COBRANCA"));
    manager.Bind(EditRelatorio, QStringLiteral("Relatório"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelRelatorio)
        .Lookup(QStringLiteral("TPesquisaRelatorio"),
                QStringLiteral("CONTRATO_PROPRIO_DEPENDENTE_CONTRATO"));
    manager.Bind(DateEditDataFinal, QStringLiteral("Data Final"))
        .MaxLength(10)
        .Caption(LabelDataFinal);
    manager.Bind(EditMotivo, QStringLiteral("Motivo do Cancelamento"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelMotivo)
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("11"));
    manager.Bind(EditListaTipoSequenciaParcelas, QStringLiteral("Tipo da Sequência de Parcelas"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoSequenciaParcelas)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_SEQUENCIA_PARCELAS"));
}

void TFormCadastroPlano::enablePanelFilter()
{
    TFormBaseCadastro::enablePanelFilter();
    FEnabledPanelFilter = true;
}

void TFormCadastroPlano::fillListFilterControl()
{
    TFormBaseCadastro::fillListFilterControl();
    FPresenter->ManagerFilterControls()
        .Bind(CheckBoxFilterSomenteAtivos, QStringLiteral("Somente Ativos"))
        .Default(QStringLiteral("TRUE"));
}

void TFormCadastroPlano::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TPlanoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroPlano::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}

void TFormCadastroPlano::fillTopText()
{
    LabelTopText->setText(EditDescricao->text());
}

void TFormCadastroPlano::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    FormServicoDependentePlano->ClearSubForm(true, true);
    FormCarenciaPlano->ClearSubForm(true, true);
    FormDependentePlano->ClearSubForm(true, true);
    FormServicoPlano->ClearSubForm(true, true);
    FormValorPlano->ClearSubForm(true, true);
    FormFaixaEtariaPlano->ClearSubForm(true, true);
    FormAdicionalContratoPlano->ClearSubForm(true, true);
    FormConvenioPlano->ClearSubForm(true, true);
    FormVendedorPlano->ClearSubForm(true, true);
}
