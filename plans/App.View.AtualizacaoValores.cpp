#include "App.View.AtualizacaoValores.h"

#include "App.Adapter.Frame.AtualizacaoValores.h"
#include "App.Lib.AtualizacaoValores.Calculo.h"
#include "App.Presenter.AtualizacaoValores.h"
#include "Common.Dto.AtualizacaoValores.h"

#include "App.Lib.Application.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"

#include "Align.h"
#include "AniIndicator.h"
#include "DateEdit.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"

#include <QPointer>

TFormViewAtualizacaoValores::TFormViewAtualizacaoValores(const QString &AClassName,
                                                         QWidget *AParent)
    : TFormBaseView(AClassName, AParent)
{
    setWindowTitle(QStringLiteral("ATUALIZAÇÃO DE VALORES"));
    resize(1180, 680);

    RectangleHeader = new TRectangle(LayoutControlsForm, QStringLiteral("RectangleHeader"));
    RectangleHeader->setAlign(TAlignLayout::Top);
    RectangleHeader->setHeight(72);
    RectangleHeader->setMargins(8, 8, 8, 0);
    RectangleHeader->setStrokeColor(TAlphaColors::Null);
    RectangleHeader->setRadius(5, 5);

    SpeedButtonNovo = new TSpeedButton(RectangleHeader, QStringLiteral("SpeedButtonNovo"));
    SpeedButtonNovo->setStyleLookup(QStringLiteral("addtoolbutton"));
    SpeedButtonNovo->setGeometry(12, 26, 34, 34);
    SpeedButtonNovo->setToolTip(QStringLiteral("Adicionar todos"));
    SpeedButtonNovo->OnClick = [this](QObject *) { SpeedButtonNovoClick(); };

    const TPlacement place(RectangleHeader, 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 58, 10, 420);
    place.Field(LabelTitlePercentual, EditPercentual, u"Percentual", 494, 10, 120);
    LabelTitlePercentual->setObjectName(QStringLiteral("LabelTitlePercentual"));
    place.Field(LabelTitleVigenciaNova, DateEditNovaVigencia, u"NovaVigencia", 630, 10, 150);
    LabelTitleVigenciaNova->setObjectName(QStringLiteral("LabelTitleVigenciaNova"));

    RectangleAtualizar = AddBottomButton(QStringLiteral("Atualizar"),
                                         QStringLiteral("Atualizar"),
                                         LabelAtualizar,
                                         [this] { RectangleAtualizarClick(); });

    VertScrollBoxDados
        = new TVertScrollBox(LayoutControlsForm, QStringLiteral("VertScrollBoxDados"));
    VertScrollBoxDados->setAlign(TAlignLayout::Client);
    VertScrollBoxDados->setMargins(8, 8, 8, 0);

    AniIndicatorLoading->raise();
    AniIndicatorLoading->setVisible(false);
}

TFormViewAtualizacaoValores::~TFormViewAtualizacaoValores()
{
    ReleasePrincipal();
    // The list before the presenter whose table it reads.
    FFrameList.reset();
    FPresenter.reset();
}

void TFormViewAtualizacaoValores::FormCreate()
{
    TFormBaseView::FormCreate();
    SetInfoPresenter();
    FFrameList = std::make_unique<TFrameList>();
    FFrameList->SetLoading(AniIndicatorLoading);
    FFrameList->SetVertScroll(VertScrollBoxDados);
    FFrameList->SetPresenter(FPresenter.get());
    FFrameList->SetProcFillFrameItem([this](TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) {
        fillFrameItem(ADataSet, AFrame);
    });
    FFrameList->SetProcAfterFillFrame([](TMemTable &, TFrameBaseAdapter *&AFrame) {
        if (auto *frame = qobject_cast<TAtualizacaoValoresFrameAdapter *>(AFrame))
            frame->enabledControls();
    });
    FFrameList->SetIsFillIds(true);
}

void TFormViewAtualizacaoValores::SetPresenter(
    std::unique_ptr<TAtualizacaoValoresPresenter> APresenter)
{
    FPresenter = std::move(APresenter);
}

void TFormViewAtualizacaoValores::SetInfoPresenter()
{
    FPresenter->SetProcFillListControl([this] { fillListControl(); });
    // The defaults: 0 % and today's date.
    FPresenter->ManagerControls().Clear();
    FPresenter->ProcReloadDados = [this] { reloadFrames(); };
    FPresenter->DataSetInfo().Open();
}

void TFormViewAtualizacaoValores::fillListControl()
{
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditPercentual, QStringLiteral("(%) Percentual"))
        .Format(TFormatterEdit::Valor)
        .Decimals(1)
        .MaxLength(4)
        .Default(QStringLiteral("0"))
        .IgnoreSave()
        .Caption(LabelTitlePercentual);
    manager.Bind(DateEditNovaVigencia, QStringLiteral("Vigência Nova"))
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelTitleVigenciaNova);
}

void TFormViewAtualizacaoValores::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    const TColorApp &colors = TApplicationZunta::GetInstance().ThemeApp().ColorApp();
    RectangleHeader->setFillColor(colors.BackgroundColor);
    RectangleAtualizar->setFillColor(colors.PrimaryColor);
}

void TFormViewAtualizacaoValores::SetFocusedPrincipalComponent()
{
    EditDescricao->setFocus();
}

double TFormViewAtualizacaoValores::valorDe(TEdit *AEdit,
                                            const TAtualizacaoValoresFrameAdapter *AFrame) const
{
    if (AEdit->text().trimmed().isEmpty())
        return 0;
    if (const auto valor = TAtualizacaoValoresLerValor(AEdit->text()))
        return *valor;
    const TItemControl *item = AFrame ? AFrame->FindItemControl(AEdit->objectName())
                                      : FPresenter->FindItemControl(AEdit->objectName());
    throw Exception(item ? item->ErrorMessage()
                         : QStringLiteral("WARNING:O campo %1 não possui um valor válido.")
                               .arg(AEdit->objectName()));
}

double TFormViewAtualizacaoValores::percentualGlobal() const
{
    return valorDe(EditPercentual);
}

TDateTime TFormViewAtualizacaoValores::vigenciaGlobal() const
{
    return DateEditNovaVigencia->date();
}

void TFormViewAtualizacaoValores::addTodosRegistros()
{
    std::optional<TObjectList<TAtualizacaoValoresDto>> lista;
    TAtualizacaoValoresPresenter *presenter = FPresenter.get();
    TBasePresenter::runOffMainThread([presenter, &lista] { lista = presenter->GetList(); });
    if (!lista)
        return;
    for (auto &registro : *lista)
        addRegistro(*registro);
}

void TFormViewAtualizacaoValores::addRegistro(TAtualizacaoValoresDto &ARegistro)
{
    if (FPresenter->Listado(ARegistro.Id))
        return;
    const double percentual = percentualGlobal();
    ARegistro.Percentual = percentual;
    ARegistro.NovoValor = TAtualizacaoValoresAplicarPercentual(ARegistro.ValorAtual, percentual);
    if (const TDateTime vigencia = vigenciaGlobal(); vigencia != 0)
        ARegistro.NovaVigencia = vigencia;
    applyGlobais(ARegistro);
    FPresenter->addRegistro(ARegistro);
}

void TFormViewAtualizacaoValores::SpeedButtonNovoClick()
{
    addTodosRegistros();
    reloadFrames();
}

void TFormViewAtualizacaoValores::pesquisaRegistro(TBaseDto *ARecord)
{
    if (!ARecord)
        return;
    const QString descricao = EditDescricao->text();
    const std::int64_t id = ARecord->Id;
    // The lookup edit is emptied whatever follows: it only picks the next record to list.
    if (TItemControl *item = FPresenter->FindItemControl(EditDescricao->objectName()))
        item->Clear();
    if (FPresenter->Listado(id)) {
        TAppUtils::MessageSystem(
            Format(QStringLiteral("WARNING:Já existe um item %s e outro não pode ser inserido."),
                   { QStringLiteral("de ") + descricao }));
        return;
    }
    std::unique_ptr<TAtualizacaoValoresDto> registro;
    TAtualizacaoValoresPresenter *presenter = FPresenter.get();
    TBasePresenter::runOffMainThread(
        [presenter, id, &registro] { registro = presenter->GetById(id); });
    if (!registro)
        return;
    addRegistro(*registro);
    reloadFrames();
}

void TFormViewAtualizacaoValores::reloadFrames()
{
    keepTypedValues();
    FFrameList->ClearList();
    FFrameList->SetDataSetToFrame(true);
}

void TFormViewAtualizacaoValores::keepTypedValues()
{
    for (auto *frame :
         VertScrollBoxDados->content()->findChildren<TAtualizacaoValoresFrameAdapter *>(
             QString(), Qt::FindDirectChildrenOnly)) {
        if (frame->isHidden() || !frame->EmEdicao)
            continue;
        // A value that is no number is left for the row's own save to refuse.
        try {
            storeFrame(*frame, true);
        } catch (const Exception &) { }
    }
}

bool TFormViewAtualizacaoValores::locateFrame(const TFrameBaseAdapter &AFrame)
{
    TMemTable &table = FPresenter->DataSetInfo();
    return table.Active()
        && table.Locate(QStringLiteral("ID"), TFieldValue(AFrame.TagString.toLongLong()));
}

void TFormViewAtualizacaoValores::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    TAtualizacaoValoresFrameAdapter *frame = newFrame();
    frame->ProcRemover = [this](TFrameBaseAdapter *AItem) { removerFrame(AItem); };
    frame->ProcSalvar = [this](TFrameBaseAdapter *AItem) { salvarFrame(AItem); };
    frame->ProcEditar = [this](TFrameBaseAdapter *AItem) { editarFrame(AItem); };
    const auto field
        = [&ADataSet](const char *AName) { return ADataSet.FieldByName(QLatin1String(AName)); };
    const auto item
        = [frame](QWidget *AControl) { return frame->FindItemControl(AControl->objectName()); };
    frame->LabelDescricao->setText(field("DESCRICAO")->AsString());
    frame->LabelDescricao->adjustSize();
    if (field("VIGENCIA_ATUAL")->AsDateTime() != 0)
        frame->DateEditVigenciaAtual->setDate(field("VIGENCIA_ATUAL")->AsDateTime());
    item(frame->EditValorAtual)->SetValueControl(field("VALOR_ATUAL")->DisplayText());
    // The percentage first: the new value it computes is then replaced by the stored one, from
    // which the percentage follows again (the stored percentage stays where the current value is
    // 0 and no percentage can follow).
    frame->EditPercentual->setText(
        FormatFloat(QStringLiteral("0.00"), field("PERCENTUAL")->AsFloat()));
    frame->EditNovoValor->setText(
        FormatFloat(QStringLiteral("0.00"), field("NOVO_VALOR")->AsFloat()));
    if (field("NOVA_VIGENCIA")->AsDateTime() != 0)
        frame->DateEditVigenciaNova->setDate(field("NOVA_VIGENCIA")->AsDateTime());
    fillFrameColumns(ADataSet, *frame);
    frame->EmEdicao = field("EM_EDICAO")->AsBoolean();
    frame->enabledControls();
    AFrame = frame;
}

void TFormViewAtualizacaoValores::storeFrame(TAtualizacaoValoresFrameAdapter &AFrame,
                                             bool AEmEdicao)
{
    if (!locateFrame(AFrame))
        throw Exception(QStringLiteral("WARNING:Informações não localizadas."));
    // Every value is read before the row is touched: a value that is no number leaves it as it was.
    const double novoValor = valorDe(AFrame.EditNovoValor, &AFrame);
    const double percentual = valorDe(AFrame.EditPercentual, &AFrame);
    TMemTable &table = FPresenter->DataSetInfo();
    table.Edit();
    try {
        table.FieldByName(QStringLiteral("NOVO_VALOR"))->SetAsFloat(novoValor);
        table.FieldByName(QStringLiteral("PERCENTUAL"))->SetAsFloat(percentual);
        table.FieldByName(QStringLiteral("NOVA_VIGENCIA"))
            ->SetAsDateTime(AFrame.DateEditVigenciaNova->date());
        saveFrameColumns(table, AFrame);
        table.FieldByName(QStringLiteral("EM_EDICAO"))->SetAsBoolean(AEmEdicao);
        table.Post();
    } catch (...) {
        table.Cancel();
        throw;
    }
}

void TFormViewAtualizacaoValores::salvarFrame(TFrameBaseAdapter *AFrame)
{
    if (auto *frame = qobject_cast<TAtualizacaoValoresFrameAdapter *>(AFrame))
        storeFrame(*frame, false);
}

void TFormViewAtualizacaoValores::editarFrame(TFrameBaseAdapter *AFrame)
{
    if (!locateFrame(*AFrame))
        throw Exception(QStringLiteral("WARNING:Informações não localizadas."));
    TMemTable &table = FPresenter->DataSetInfo();
    table.Edit();
    table.FieldByName(QStringLiteral("EM_EDICAO"))->SetAsBoolean(true);
    table.Post();
}

void TFormViewAtualizacaoValores::removerFrame(TFrameBaseAdapter *AFrame)
{
    FPresenter->RemoverAtualizacao(AFrame->TagString.toLongLong());
}

void TFormViewAtualizacaoValores::RectangleAtualizarClick()
{
    if (TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Confirma gerar %s?"),
                                        { QStringLiteral("a atualização dos valores") }))
        != mrYes)
        return;
    // The global values are read here, before the worker starts.
    std::unique_ptr<TAtualizacaoValoresDto> naoListados;
    const double percentual = percentualGlobal();
    const TDateTime vigencia = vigenciaGlobal();
    if (percentual > 0 && vigencia != 0
        && TAppUtils::MessageSystem(
               QStringLiteral("QUESTION:Deseja atualizar os valores dos registros não listados?"))
            == mrYes) {
        naoListados = FPresenter->NovoRegistro();
        naoListados->Percentual = percentual;
        naoListados->NovaVigencia = vigencia;
        fillRegistroNaoListados(*naoListados);
    }
    // Refuses a row in edit or an empty list before anything is sent; the rows stay.
    FPresenter->PrepararAtualizacaoValores(std::move(naoListados));

    TAtualizacaoValoresPresenter *presenter = FPresenter.get();
    const QPointer<TFormViewAtualizacaoValores> self(this);
    RunLongActionThen([presenter] { presenter->PostAtualizacaoValores(); },
                      [self](bool AFailed) {
                          // A refusal was shown by the long action; the rows stay for another try.
                          if (AFailed || !self)
                              return;
                          self->FFrameList->ClearList(nullptr, false);
                      });
}
