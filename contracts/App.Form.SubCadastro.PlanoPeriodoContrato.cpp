#include "App.Form.SubCadastro.PlanoPeriodoContrato.h"

#include "App.Adapter.Frame.PlanoDependenteContrato.h"
#include "App.Adapter.Frame.PlanoPeriodoContrato.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.FormMenuPrint.h"
#include "App.Lib.FrameList.h"
#include "App.View.Sub.PlanoPeriodoContrato.Assinatura.h"
#include "App.Presenter.PlanoDependenteContrato.h"
#include "Common.Lib.Utils.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Service.Connection.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.Contrato.h"
#include "App.Presenter.DependenteContrato.h"
#include "App.Presenter.PlanoPeriodoContrato.h"
#include "Common.Dto.Plano.h"
#include "Common.Dto.Usuario.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "MemTable.h"
#include "CheckBox.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include <algorithm>

namespace {

// The same day one year on; 29 February gives 28 February.
TDateTime umAnoDepois(TDateTime AData)
{
    int ano = 0;
    int mes = 0;
    int dia = 0;
    DecodeDate(AData, ano, mes, dia);
    TDateTime result;
    if (!TryEncodeDate(ano + 1, mes, dia, result))
        result = EncodeDate(ano + 1, mes, 28);
    return result;
}

// The value of the period window's binding of that name, or empty without one.
TItemControl *periodoItem(const TPlanoPeriodoContratoPresenter &APlanos, const QString &AName)
{
    return APlanos.PeriodoContratoPresenter
        ? APlanos.PeriodoContratoPresenter->FindItemControl(AName)
        : nullptr;
}

} // namespace

TFormSubCadastroPlanoPeriodoContrato::TFormSubCadastroPlanoPeriodoContrato(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroPlanoPeriodoContrato"), AParent)
{
    setWindowTitle(QStringLiteral("Planos do Contrato"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelPlano, EditPlano, u"Plano", 8, 8, 460);
    place.Field(LabelValorPlano, EditValorPlano, u"ValorPlano", 480, 8, 140);
    place.Field(LabelValorParcela, EditValorParcela, u"ValorParcela", 632, 8, 140);
    place.Field(
        LabelPrimeiroVencimento, DateEditPrimeiroVencimento, u"PrimeiroVencimento", 8, 66, 160);
    place.Field(LabelParcelaInicial, EditParcelaInicial, u"ParcelaInicial", 180, 66, 120);
    place.Field(LabelUltimaCobrancaImportacao,
                DateEditUltimaCobrancaImportacao,
                u"UltimaCobrancaImportacao",
                312,
                66,
                160);
    place.Field(LabelSaldoImportado, EditSaldoImportado, u"SaldoImportado", 484, 66, 288);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 8, 124, 160);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 180, 124, 592);
    place.Field(LabelColaborador, EditColaborador, u"Colaborador", 8, 182, 460);

    VertScrollBoxPlanoDependenteContrato = new TVertScrollBox(
        LayoutControls, QStringLiteral("VertScrollBoxPlanoDependenteContrato"));
    VertScrollBoxPlanoDependenteContrato->setVisible(false);
    // The select buttons stand in the record tab's top strip while the group shows.
    ButtonMarcar = new TSpeedButton(RectangleTopEdicao, QStringLiteral("ButtonMarcar"));
    ButtonMarcar->setText(QStringLiteral("Selecionar Todos"));
    ButtonMarcar->setGeometry(420, 4, 140, 28);
    ButtonMarcar->OnClick = [this](QObject *) { ButtonMarcarClick(); };
    ButtonDesmarcar = new TSpeedButton(RectangleTopEdicao, QStringLiteral("ButtonDesmarcar"));
    ButtonDesmarcar->setText(QStringLiteral("Desmarcar Todos"));
    ButtonDesmarcar->setGeometry(568, 4, 140, 28);
    ButtonDesmarcar->OnClick = [this](QObject *) { ButtonDesmarcarClick(); };
    for (TSpeedButton *button : { ButtonMarcar, ButtonDesmarcar })
        button->setVisible(false);

    m_planoDependenteContratoPresenter
        = TBasePresenter::Create<TPlanoDependenteContratoPresenter>();
    m_frameListPlanoDependenteContrato = std::make_unique<TFrameList>();
}

TFormSubCadastroPlanoPeriodoContrato::~TFormSubCadastroPlanoPeriodoContrato()
{
    // The rows go before the list and the presenter they refer to.
    m_frameListPlanoDependenteContrato->ClearList();
    m_frameListPlanoDependenteContrato.reset();
    m_planoDependenteContratoPresenter.reset();
}

TPlanoPeriodoContratoPresenter *TFormSubCadastroPlanoPeriodoContrato::PresenterPlano() const
{
    return static_cast<TPlanoPeriodoContratoPresenter *>(PresenterSubCadastro());
}

void TFormSubCadastroPlanoPeriodoContrato::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TPlanoPeriodoContratoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroPlanoPeriodoContrato::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditPlano, QStringLiteral("Plano"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaPlano"), QStringLiteral("PLA"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            procPesquisaPlano(ARecord, AEvent);
        })
        .Caption(LabelPlano);
    for (auto [edit, label, title] :
         { std::tuple { EditValorPlano, LabelValorPlano, QStringLiteral("Valor do Plano") },
           std::tuple { EditValorParcela, LabelValorParcela, QStringLiteral("Valor da Parcela") } })
        manager.Bind(edit, title)
            .Format(TFormatterEdit::Valor)
            .Decimals(2)
            .MaxLength(15)
            .IgnoreSave()
            .Disabled()
            .Caption(label);
    manager.Bind(DateEditPrimeiroVencimento, QStringLiteral("1º Vencimento"))
        .Required()
        .MaxLength(10)
        .Default(DateToStr(TDateTime(Date() + 30)))
        .Caption(LabelPrimeiroVencimento);
    manager.Bind(EditParcelaInicial, QStringLiteral("Parcela Inicial"))
        .Required()
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .MaxLength(3)
        .Default(QStringLiteral("1"))
        .Caption(LabelParcelaInicial);
    manager.Bind(DateEditUltimaCobrancaImportacao, QStringLiteral("Última cobrança paga"))
        .MaxLength(10)
        .Disabled()
        .Caption(LabelUltimaCobrancaImportacao);
    manager
        .Bind(EditSaldoImportado,
              QStringLiteral("Saldo Importado para (Valor a Somar ou Diminuir)"))
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Caption(LabelSaldoImportado);
    manager.Bind(DateEditDataFinal, QStringLiteral("Data Encerramento"))
        .MaxLength(10)
        .Caption(LabelDataFinal);
    manager.Bind(EditMotivo, QStringLiteral("Motivo do Encerramento do Plano"))
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("09"))
        .Caption(LabelMotivo);
    TItemControlBuilder vendedor = manager.Bind(EditColaborador, QStringLiteral("Vendedor"));
    vendedor.Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaColaborador"))
        .Caption(LabelColaborador);
    const TUsuarioDto *usuario = TServiceConnection::GetInstance().UsuarioLogado();
    if (usuario && usuario->IdColaborador > 0)
        vendedor.Default(QString::number(usuario->IdColaborador));
}

void TFormSubCadastroPlanoPeriodoContrato::fillFrameItem(TMemTable &ADataSet,
                                                         TFrameBaseAdapter *&AFrame)
{
    auto *row
        = TFrameBaseAdapter::New<TPlanoPeriodoContratoFrameAdapter>(VertScrollBoxDados, ADataSet);
    row->IdPlano = ADataSet.FieldByName(QStringLiteral("ID_PLANO"))->AsLargeInt();
    // The procedure as it is when the row asks for it.
    row->SetProcTotalizadorContrato([this] {
        if (m_procTotalizadorContrato)
            m_procTotalizadorContrato();
    });
    row->ProcMenuLateral = [this](TFrameBaseAdapter *AFrame) { abrirMenuAssinatura(AFrame); };
    AFrame = row;
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroPlanoPeriodoContrato::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditPlano);
}

void TFormSubCadastroPlanoPeriodoContrato::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditPlano,
                 nullptr,
                 nullptr,
                 false);
}

void TFormSubCadastroPlanoPeriodoContrato::procPesquisaPlano(TBaseDto *ARecord,
                                                             TTypeEventProc AEvent)
{
    const auto *plano = dynamic_cast<const TPlanoDto *>(ARecord);
    if (AEvent != TTypeEventProc::epSearch || !plano) {
        EditValorPlano->setText(QString());
        EditValorParcela->setText(QString());
        m_idPlano = 0;
        m_contemAdicionalContrato = false;
        return;
    }
    EditValorPlano->setText(FloatToStr(plano->Valor));
    EditValorParcela->setText(FloatToStr(plano->ValorParcela));
    TPlanoPeriodoContratoPresenter *presenter = PresenterPlano();
    presenter->IsPlanoSeguradora = plano->IsPlanoSeguradora;
    m_idPlano = plano->Id;
    m_contemAdicionalContrato = plano->ContemAdicionalContrato;
    if (!plano->IsPlanoSeguradora)
        return;
    if (DateEditDataFinal->date() == 0) {
        TDateTime dataContrato = 0;
        if (const TItemControl *item
            = periodoItem(*presenter, QStringLiteral("DateEditDataContrato")))
            TryStrToDate(item->ValueControl(), dataContrato);
        if (dataContrato == 0)
            dataContrato = Date();
        DateEditDataFinal->setDate(umAnoDepois(dataContrato));
    }
    if (EditMotivo->text().trimmed().isEmpty()) {
        if (const std::int64_t motivo = presenter->findIdMotivoFinalContrato())
            FPresenter->FindItemControl(QStringLiteral("EditMotivo"))
                ->SetValueControl(QString::number(motivo));
    }
}

void TFormSubCadastroPlanoPeriodoContrato::afterFillForm()
{
    TFormBaseSubCadastro::afterFillForm();
    if (!m_isDataFinalDiferente)
        m_dataFinalInicial = DateEditDataFinal->date();
    m_motivoInicial = EditMotivo->text();
    TMemTable &table = DataSetSubCadastro();
    const bool jaCobrado = table.Active() && table.RecordCount() > 0
        && table.FieldByName(QStringLiteral("SALDO_IMPORTADO_JA_COBRADO"))->AsBoolean();
    EditSaldoImportado->setEnabled(!jaCobrado && !FIsViewForm);
}

void TFormSubCadastroPlanoPeriodoContrato::beforeSave()
{
    TFormBaseSubCadastro::beforeSave();
    prepararPlanoDependenteContrato();
    const TDateTime dataFinal = DateEditDataFinal->date();
    if (dataFinal != m_dataFinalInicial) {
        m_isDataFinalDiferente = true;
        m_dataFinalAtualizada = dataFinal;
    }
    m_isPlanoNovo
        = FPresenter->IdRegistro == 0 && m_contratoPresenter && m_contratoPresenter->IdRegistro > 0;
    const QString motivo = EditMotivo->text();
    if (motivo != m_motivoInicial && !motivo.isEmpty() && !motivo.contains(u"FINAL")) {
        m_isMotivoCancelamento = motivo.contains(u"CANCELAMENTO");
        m_isMotivoSuspensao = motivo.contains(u"PARAL");
    }
    gravarPlanoDependenteContrato();
}

void TFormSubCadastroPlanoPeriodoContrato::updateAfterSave()
{
    if (m_procTotalizadorContrato)
        m_procTotalizadorContrato();
    if (m_contemAdicionalContrato && m_procAdicionarServicosContrato)
        m_procAdicionarServicosContrato();
    TFormBaseSubCadastro::updateAfterSave();
}

void TFormSubCadastroPlanoPeriodoContrato::afterSave()
{
    TFormBaseSubCadastro::afterSave();
    if (TItemControl *fidelidade
        = periodoItem(*PresenterPlano(), QStringLiteral("EditFidelidade"))) {
        int dias = 0;
        if (!TryStrToInt(fidelidade->ValueControl().trimmed(), dias) || dias == 0)
            fidelidade->SetValueControl(QStringLiteral("180"));
    }
    atualizarDataFinalDependentes();
}

void TFormSubCadastroPlanoPeriodoContrato::atualizarDataFinalDependentes()
{
    auto *dependentes = dynamic_cast<TDependenteContratoPresenter *>(
        PresenterPlano()->DependenteContratoPresenter);
    bool todos = false;
    if (m_isDataFinalDiferente && m_dataFinalAtualizada > 0) {
        if (TAppUtils::MessageSystem(QStringLiteral(
                "QUESTION:Verificamos que a data final do(s) dependente(s) está sem data final\r\n"
                "Deseja atualizar a data final do(s) dependente(s) com a data final do plano?"))
            != mrYes)
            return;
    } else if (m_isPlanoNovo && (m_dataFinalAtualizada == 0 || m_dataFinalAtualizada > Now())) {
        if (TAppUtils::MessageSystem(QStringLiteral(
                "QUESTION:Verificamos que um novo plano foi inserido.\r\nDeseja atualizar a data "
                "final dos dependentes com a data do plano inserida?"))
            != mrYes)
            return;
        todos = true;
    } else {
        return;
    }
    if (!dependentes)
        return;
    const std::int64_t baixa
        = m_dataFinalAtualizada > 0 ? dependentes->findIdBaixaFinalizacaoContrato() : 0;
    TMemTable &table = dependentes->DataSetInfo();
    if (!table.Active())
        return;
    const TDataSetFilterKeeper keeper(table);
    table.SetFiltered(false);
    for (table.First(); !table.Eof(); table.Next()) {
        // A deceased member keeps the end date and reason of the death.
        if (table.FieldByName(QStringLiteral("IS_FALECIDO"))->AsBoolean())
            continue;
        if (!todos && table.FieldByName(QStringLiteral("DATA_BAIXA"))->AsDateTime() != 0)
            continue;
        table.Edit();
        table.FieldByName(QStringLiteral("DATA_BAIXA"))->SetAsDateTime(m_dataFinalAtualizada);
        table.FieldByName(QStringLiteral("LISTA_BAIXA_CONTRATO"))->SetAsLargeInt(baixa);
        table.Post();
    }
}

void TFormSubCadastroPlanoPeriodoContrato::executeRemover(QObject *Sender)
{
    TDravikHandleException::Guard([this, Sender] {
        requireSubCadastroPermission(FPermissionRemover);
        const auto *row = qobject_cast<TPlanoPeriodoContratoFrameAdapter *>(Sender);
        m_idPlano = row ? row->IdPlano : 0;
        if (m_procExcluirServicosContrato)
            m_procExcluirServicosContrato();
        PresenterSubCadastro()->Delete(row ? row->IdRegistro() : 0);
    });
}

void TFormSubCadastroPlanoPeriodoContrato::resetMarcasContrato()
{
    m_isMotivoCancelamento = false;
    m_isMotivoSuspensao = false;
    m_isDataFinalDiferente = false;
    m_isPlanoNovo = false;
    m_dataFinalAtualizada = 0;
    m_dataFinalInicial = 0;
    m_motivoInicial.clear();
}

void TFormSubCadastroPlanoPeriodoContrato::SetIsDataFinalDiferente(bool AValue)
{
    if (AValue)
        m_isDataFinalDiferente = true;
    else
        resetMarcasContrato();
}

void TFormSubCadastroPlanoPeriodoContrato::ClearSubForm(bool AClearDataSet, bool AIsClearFrameList)
{
    TFormBaseSubCadastro::ClearSubForm(AClearDataSet, AIsClearFrameList);
    if (AClearDataSet)
        resetMarcasContrato();
}

void TFormSubCadastroPlanoPeriodoContrato::afterClearForm()
{
    TFormBaseSubCadastro::afterClearForm();
    m_frameListPlanoDependenteContrato->ClearList();
    TMemTable &trabalho = m_planoDependenteContratoPresenter->DataSetInfo();
    if (trabalho.Active())
        trabalho.EmptyDataSet();
    m_planoDependenteContratoPresenter->ManagerControls().Clear();
}

// --- Member check-list ------------------------------------------------------------------------

std::int64_t TFormSubCadastroPlanoPeriodoContrato::idPlanoPeriodoContrato() const
{
    return EditID->text().trimmed().toLongLong();
}

void TFormSubCadastroPlanoPeriodoContrato::prepararPlanoDependenteContrato()
{
    TMemTable &trabalho = m_planoDependenteContratoPresenter->DataSetInfo();
    if (!trabalho.Active())
        trabalho.Open();
    TMemTable *links
        = m_contratoPresenter ? m_contratoPresenter->DataSetPlanoDependenteContrato() : nullptr;
    if (links && !links->Active())
        links->Open();
    const QString idPlano = QString::number(m_idPlano);
    const QString primeiroVencimento = DateEditPrimeiroVencimento->text();
    const std::int64_t idPlanoPeriodo = idPlanoPeriodoContrato();

    trabalho.SetFiltered(false);
    if (trabalho.RecordCount() == 0) {
        if (links) {
            links->SetFilter(QStringLiteral(" ID_PLANO = ") + idPlano
                             + QStringLiteral(" and PRIMEIRO_VENCIMENTO = '") + primeiroVencimento
                             + u'\'');
            links->SetFiltered(true);
            for (links->First(); !links->Eof(); links->Next())
                TUtils::CopyInfoItemDataSet(*links, trabalho);
        }
        if (trabalho.RecordCount() == 0) {
            m_planoDependenteContratoPresenter->IdPrincipal = idPlanoPeriodo;
            m_planoDependenteContratoPresenter->FilterIdPlanoPeriodo = true;
            m_planoDependenteContratoPresenter->FilterIdContrato = false;
            try {
                m_planoDependenteContratoPresenter->findByFilterToDataSet();
            } catch (const std::exception &) {
                // Without the saved links every member is offered below.
                m_planoDependenteContratoPresenter->IdPrincipal = 0;
            }
        }
        if (links)
            links->SetFilter(QString());
    }

    TMemTable *dependentes
        = m_contratoPresenter ? m_contratoPresenter->DataSetDependenteContrato() : nullptr;
    if (dependentes && dependentes->Active()) {
        const TDataSetFilterKeeper keeper(*dependentes);
        for (dependentes->First(); !dependentes->Eof(); dependentes->Next()) {
            try {
                const std::int64_t idPessoa
                    = dependentes->FieldByName(QStringLiteral("ID_PESSOA"))->AsLargeInt();
                trabalho.SetFilter(QStringLiteral(" ID_PESSOA = ") + QString::number(idPessoa));
                trabalho.SetFiltered(true);
                if (trabalho.RecordCount() > 0)
                    continue;
                // A new plan, or a member added since the contract was opened, starts covered.
                const bool novo = idPlanoPeriodo == 0
                    || dependentes->FieldByName(QStringLiteral("ID"))->AsLargeInt() <= 0;
                trabalho.Append();
                trabalho.FieldByName(QStringLiteral("ID_PLANO"))->SetAsLargeInt(m_idPlano);
                trabalho.FieldByName(QStringLiteral("PRIMEIRO_VENCIMENTO"))
                    ->SetAsDateTime(DateEditPrimeiroVencimento->date());
                trabalho.FieldByName(QStringLiteral("ID_PESSOA"))->SetAsLargeInt(idPessoa);
                trabalho.FieldByName(QStringLiteral("DEPENDENTE"))
                    ->SetAsString(dependentes->FieldByName(QStringLiteral("PESSOA"))->AsString());
                trabalho.FieldByName(QStringLiteral("IS_DESATIVADO"))->SetAsBoolean(!novo);
                if (novo)
                    trabalho.FieldByName(QStringLiteral("DATA_INICIAL"))->SetAsDateTime(Date());
                trabalho.Post();
            } catch (const std::exception &) {
                // A member that cannot be offered is left out; the others still are.
                if (trabalho.State() != TDataSetState::Browse)
                    trabalho.Cancel();
            }
        }
    }
    trabalho.SetFilter(QString());
    trabalho.SetFiltered(false);

    TFrameList &lista = *m_frameListPlanoDependenteContrato;
    lista.SetVertScroll(VertScrollBoxPlanoDependenteContrato);
    lista.SetPresenter(m_planoDependenteContratoPresenter.get());
    lista.SetProcFillFrameItem([this](TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) {
        fillFramePlanoDependente(ADataSet, AFrame);
    });
    lista.ClearList();
    lista.SetDataSetToFrame(true);
}

void TFormSubCadastroPlanoPeriodoContrato::fillFramePlanoDependente(TMemTable &ADataSet,
                                                                    TFrameBaseAdapter *&AFrame)
{
    auto *row = new TPlanoDependenteContratoFrameAdapter(VertScrollBoxPlanoDependenteContrato);
    const auto field
        = [&ADataSet](const char *AColumn) { return ADataSet.FieldByName(QLatin1String(AColumn)); };
    row->Tag = field("ID")->AsLargeInt();
    row->TagString = field("ID")->DisplayText();
    row->LabelID->setText(field("ID")->DisplayText());
    row->LabelDescricao->setText(field("DEPENDENTE")->AsString());
    row->ProcSelectParcela
        = [this](TFrameBaseAdapter *AFrame) { selecionarPlanoDependente(AFrame); };
    row->IdPessoa = field("ID_PESSOA")->AsLargeInt();
    row->IdPlano = field("ID_PLANO")->AsLargeInt();
    row->PrimeiroVencimento = field("PRIMEIRO_VENCIMENTO")->AsDateTime();
    row->FindItemControl(QStringLiteral("DateEditDataInicial"))
        ->SetValueControl(field("DATA_INICIAL")->DisplayText());
    row->FindItemControl(QStringLiteral("DateEditDataFinal"))
        ->SetValueControl(field("DATA_FINAL")->DisplayText());
    if (field("ID_MOTIVO")->AsLargeInt() > 0)
        row->FindItemControl(QStringLiteral("EditMotivo"))
            ->SetValueControl(QString::number(field("ID_MOTIVO")->AsLargeInt()));
    if (field("IS_DESATIVADO")->AsBoolean()) {
        row->NaoVerificarSelecao = true;
        row->CheckBoxIsAtivo->setChecked(false);
    }
    AFrame = row;
}

void TFormSubCadastroPlanoPeriodoContrato::selecionarPlanoDependente(TFrameBaseAdapter *AFrame)
{
    auto *row = qobject_cast<TPlanoDependenteContratoFrameAdapter *>(AFrame);
    if (!row)
        return;
    const bool marcado = row->CheckBoxIsAtivo->isChecked();
    TMemTable &trabalho = m_planoDependenteContratoPresenter->DataSetInfo();
    if (trabalho.Active()) {
        trabalho.SetFilter(QStringLiteral(" ID_PESSOA = ") + QString::number(row->IdPessoa));
        trabalho.SetFiltered(true);
        if (trabalho.RecordCount() > 0) {
            trabalho.First();
            trabalho.Edit();
            trabalho.FieldByName(QStringLiteral("IS_DESATIVADO"))->SetAsBoolean(!marcado);
            trabalho.Post();
        }
        trabalho.SetFilter(QString());
        trabalho.SetFiltered(false);
    }
    if (row->Tag <= 0 || !m_listPlanoDependenteContratoRemove)
        return;
    const QString id = QString::number(row->Tag);
    if (marcado)
        m_listPlanoDependenteContratoRemove->removeAll(id);
    else if (!m_listPlanoDependenteContratoRemove->contains(id))
        m_listPlanoDependenteContratoRemove->append(id);
}

QList<TPlanoDependenteContratoFrameAdapter *>
TFormSubCadastroPlanoPeriodoContrato::linhasPlanoDependente() const
{
    QList<TPlanoDependenteContratoFrameAdapter *> linhas;
    for (QWidget *control : VertScrollBoxPlanoDependenteContrato->controls())
        if (auto *row = qobject_cast<TPlanoDependenteContratoFrameAdapter *>(control))
            linhas << row;
    return linhas;
}

void TFormSubCadastroPlanoPeriodoContrato::marcarTodos(bool AMarcado)
{
    for (TPlanoDependenteContratoFrameAdapter *row : linhasPlanoDependente())
        row->CheckBoxIsAtivo->setChecked(AMarcado);
}

void TFormSubCadastroPlanoPeriodoContrato::ButtonMarcarClick()
{
    marcarTodos(true);
}

void TFormSubCadastroPlanoPeriodoContrato::ButtonDesmarcarClick()
{
    marcarTodos(false);
}

void TFormSubCadastroPlanoPeriodoContrato::gravarPlanoDependenteContrato()
{
    TMemTable *links
        = m_contratoPresenter ? m_contratoPresenter->DataSetPlanoDependenteContrato() : nullptr;
    if (!links)
        return;
    if (!links->Active())
        links->Open();
    const std::int64_t idPlanoPeriodo = idPlanoPeriodoContrato();
    const QString primeiroVencimento = DateEditPrimeiroVencimento->text();
    for (TPlanoDependenteContratoFrameAdapter *row : linhasPlanoDependente()) {
        QString filtro = QStringLiteral(" ID_PESSOA = ") + QString::number(row->IdPessoa)
            + QStringLiteral(" and ID_PLANO = ") + QString::number(m_idPlano);
        if (idPlanoPeriodo == 0)
            filtro += QStringLiteral(" and PRIMEIRO_VENCIMENTO = '") + primeiroVencimento + u'\'';
        else
            filtro += QStringLiteral(" and ID_PLANO_PERIODO_CONTRATO = ")
                + QString::number(idPlanoPeriodo);
        links->SetFilter(filtro);
        links->SetFiltered(true);
        if (links->RecordCount() > 0) {
            links->First();
            links->Edit();
        } else {
            links->Append();
        }
        const auto field
            = [links](const char *AColumn) { return links->FieldByName(QLatin1String(AColumn)); };
        const TItemControl *motivo = row->FindItemControl(QStringLiteral("EditMotivo"));
        field("ID_PESSOA")->SetAsLargeInt(row->IdPessoa);
        field("DEPENDENTE")->SetAsString(row->LabelDescricao->text());
        field("ID_PLANO")->SetAsLargeInt(m_idPlano);
        field("PLANO")->SetAsString(EditPlano->text());
        field("PRIMEIRO_VENCIMENTO")->SetAsDateTime(DateEditPrimeiroVencimento->date());
        field("ID_MOTIVO")->SetAsLargeInt(motivo ? motivo->Id : 0);
        field("MOTIVO")->SetAsString(row->EditMotivo->text());
        field("DATA_INICIAL")->SetAsDateTime(row->DateEditDataInicial->date());
        field("DATA_FINAL")->SetAsDateTime(row->DateEditDataFinal->date());
        field("IS_DESATIVADO")->SetAsBoolean(!row->CheckBoxIsAtivo->isChecked());
        field("ID")->SetAsLargeInt(row->Tag > 0 ? row->Tag : 0);
        // A saved plan's links are found by it at the next save, so none is written twice.
        field("ID_PLANO_PERIODO_CONTRATO")->SetAsLargeInt(idPlanoPeriodo);
        links->Post();
        links->SetFilter(QString());
        links->SetFiltered(true);
    }
}

// --- Signature picture ------------------------------------------------------------------------

void TFormSubCadastroPlanoPeriodoContrato::abrirMenuAssinatura(TFrameBaseAdapter *AFrame)
{
    auto *row = qobject_cast<TPlanoPeriodoContratoFrameAdapter *>(AFrame);
    if (!row)
        return;
    // The row's saved id; 0 for a plan not yet on the back end.
    std::int64_t id = 0;
    TMemTable &table = DataSetSubCadastro();
    {
        const TDataSetFilterKeeper keeper(table);
        table.SetFiltered(false);
        if (table.Locate(QStringLiteral("ID_REGISTRO"), TFieldValue(row->IdRegistro())))
            id = table.FieldByName(QStringLiteral("ID"))->AsLargeInt();
    }
    m_idPlanoPeriodoContrato = id;
    TFormMenuPrint::New()
        .TitleMenu(row->LabelPlano->text())
        .AddButton(QStringLiteral("Visualizar/Alterar Assinatura"),
                   [this](QObject *) { abrirAssinatura(); })
        .SetCloseAfterClick(true)
        .Execute();
}

void TFormSubCadastroPlanoPeriodoContrato::abrirAssinatura()
{
    TDravikHandleException::Guard([this] {
        QString assinatura;
        try {
            assinatura = PresenterPlano()->GetBase64Assinatura(m_idPlanoPeriodoContrato);
        } catch (const std::exception &) {
            // No picture stored, a plan not saved yet or a failed read: the view opens empty.
            assinatura.clear();
        }
        std::unique_ptr<TFormSubViewPlanoPeriodoContratoAssinatura> view(
            TFormBase::Create<TFormSubViewPlanoPeriodoContratoAssinatura>());
        view->SetIdPlanoPeriodoContrato(m_idPlanoPeriodoContrato)
            .SetPresenter(PresenterPlano())
            .SetAssinatura(assinatura)
            .Execute();
        std::unique_ptr<TFormContainer> container = TFormContainer::New();
        container->SetModifyBackgroundApoio(false).SetFormView(view.get()).Execute();
        container.reset();
    });
}
