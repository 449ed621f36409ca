#include "App.Lib.Pesquisa.h"

#include "App.Base.Adapter.Pesquisa.h"
#include "App.Base.Form.Pesquisa.h"
#include "App.Base.Presenter.Cadastro.h"
#include "App.Lib.Application.h"
#include "App.Lib.ItemControl.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include "ShellWindows.h"
#include "WaitFor.h"
#include "WidgetInput.h"

#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <string>

// A small lookup of the tests' own entity, served at "/item-pesquisa".

class TItemPesquisaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TItemPesquisaEntity)
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TItemPesquisaEntity, (TBaseEntity), (Descricao))
ZUNTA_DEFINE_CLASS(TItemPesquisaEntity)

class TItemPesquisaDto final : public TBaseDto
{
    ZUNTA_CLASS(TItemPesquisaDto)
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TItemPesquisaDto, (TBaseDto), (Descricao))
ZUNTA_DEFINE_CLASS(TItemPesquisaDto)

class TItemPesquisaService final : public TBaseService
{
public:
    TItemPesquisaService()
        : TBaseService(QStringLiteral("TItemPesquisaService"))
    { }
};

class TItemPesquisaPresenter final : public TBaseCadastroPresenter
{
public:
    TItemPesquisaPresenter()
        : TBaseCadastroPresenter(QStringLiteral("TItemPesquisaPresenter"))
    { }

    void findByFilterToDataSet() override
    {
        TBasePresenter::findByFilterToDataSet();
        TBasePresenter::findByFilterToDataSet<TItemPesquisaDto>();
    }

protected:
    void CreateFieldsDataSet() override
    {
        TBaseCadastroPresenter::CreateFieldsDataSet();
        DataSetInfo().AddField(QStringLiteral("DESCRICAO"), TFieldType::String, 100);
    }
    std::unique_ptr<TBaseEntity> CreateEntity() override
    {
        return std::make_unique<TItemPesquisaEntity>();
    }
    std::unique_ptr<TBaseService> CreateService() override
    {
        return std::make_unique<TItemPesquisaService>();
    }
};

class TPesquisaItemTeste final : public TPesquisa
{
public:
    TPesquisaItemTeste()
        : TPesquisa(QStringLiteral("TPesquisaItemTeste"))
    { }

protected:
    void instancePresenter() override
    {
        SetPresenter(TBasePresenter::Create<TItemPesquisaPresenter>());
        Presenter()->ValueFixFilter = FValueFixFilter;
    }
    void findObjectDto() override
    {
        auto dto
            = Presenter()->Service()->findPesquisaById<TItemPesquisaDto>(FIdFind, FValueFixFilter);
        if (dto && dto->Id != 0) {
            SetValueDescricao(dto->Descricao);
            SetObjectDto(std::move(dto));
        }
    }
    void fillFrameItem(TMemTable &DataSet, TFrameBaseAdapter *&Frame) override
    {
        auto *row = new TFrameBaseAdapterPesquisa(FormPesquisa()->VertScrollBoxDados);
        row->LabelDescricao->setText(DataSet.FieldByName(QStringLiteral("DESCRICAO"))->AsString());
        Frame = row;
        TPesquisa::fillFrameItem(DataSet, Frame);
    }
};
ZUNTA_REGISTER_PESQUISA(TPesquisaItemTeste)

namespace {

const std::string listPath = "/item-pesquisa";

// A page of the list: rows id 1.. of the given total, "limit" a page.
FakeReply pageOf(int total, const RecordedRequest &request)
{
    const int page = std::stoi(request.param("page").value_or("1"));
    const int limit = std::stoi(request.param("limit").value_or("100"));
    QJsonArray rows;
    for (int id = (page - 1) * limit + 1; id <= std::min(total, page * limit); ++id)
        rows.append(
            QJsonObject { { "id", id }, { "descricao", QStringLiteral("ITEM %1").arg(id) } });
    const int pages = (total + limit - 1) / limit;
    const QJsonObject reply { { "total", total }, { "pages", pages }, { "listHelper", rows } };
    return FakeReply::json(QJsonDocument(reply).toJson(QJsonDocument::Compact).toStdString());
}

// Counts the showings of a widget.
class ShowCounter final : public QObject
{
public:
    int Shown = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++Shown;
        return false;
    }
};

class PesquisaTest : public ShellWindowsTest
{
protected:
    void SetUp() override
    {
        principal();
        host = new TLayout(principal().LayoutPrincipal, QStringLiteral("LayoutHost"));
        caption = new TLabel(host, QStringLiteral("LabelPessoa"));
        caption->setText(QStringLiteral("Pessoa"));
        edit = new TEdit(host, QStringLiteral("EditPessoa"));
        item.TitleControl = QStringLiteral("Pessoa");
        item.SetControl(edit);
        item.CaptionControl = caption;
        item.SetClassPesquisa(QStringLiteral("TPesquisaItemTeste"));
        item.ProcPesquisa = [this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            if (AEvent == TTypeEventProc::epSearch)
                found << ARecord->Id;
        };
        principal().LayoutApoio->installEventFilter(&apoioShown);
    }
    // The lookup releases itself once the event loop gets to it.
    static bool lookupEnded()
    {
        FlushDeletes();
        return TApplicationZunta::GetInstance().OpenedPesquisa.isNull();
    }

    void search(const QString &text)
    {
        edit->setText(text);
        item.ClickSearch();
    }
    TFormBasePesquisa *window() const
    {
        TPesquisa *pesquisa = TApplicationZunta::GetInstance().OpenedPesquisa.data();
        return pesquisa ? pesquisa->FormPesquisa() : nullptr;
    }
    void routeRecord(int id, const char *descricao)
    {
        backend.on("GET",
                   listPath + "/pesquisa/" + std::to_string(id),
                   FakeReply::json("{\"id\":" + std::to_string(id) + ",\"descricao\":\"" + descricao
                                   + "\"}"));
    }

    TLayout *host = nullptr;
    TLabel *caption = nullptr;
    TEdit *edit = nullptr;
    TItemControl item;
    QList<std::int64_t> found;
    ShowCounter apoioShown;
};

TEST_F(PesquisaTest, NumberTypedFindsTheRecordDirectlyWithoutWindow)
{
    routeRecord(15, "ANA SILVA");
    search(QStringLiteral("15"));
    FlushDeletes();

    EXPECT_EQ(backend.count("GET", listPath + "/pesquisa/15"), 1u);
    EXPECT_EQ(backend.count("GET", listPath), 0u);
    EXPECT_EQ(item.Id, 15);
    EXPECT_EQ(edit->text(), QStringLiteral("ANA SILVA"));
    EXPECT_EQ(caption->text(), QStringLiteral("Pessoa - ID: 15"));
    EXPECT_EQ(caption->width(),
              QFontMetrics(caption->font()).horizontalAdvance(caption->text()) + 10);
    EXPECT_EQ(found, QList<std::int64_t> { 15 });
    EXPECT_EQ(apoioShown.Shown, 0);
    EXPECT_TRUE(TApplicationZunta::GetInstance().OpenedPesquisa.isNull());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(PesquisaTest, CodigoPersonalizadoSearchesTheNumberUnlessTheValueIsSetInCode)
{
    backend.on("GET", listPath, [](const RecordedRequest &request) { return pageOf(3, request); });
    item.CodigoPersonalizado = true;
    search(QStringLiteral("15"));
    ASSERT_TRUE(waitFor([this] { return apoioShown.Shown > 0; }));
    EXPECT_EQ(backend.last("GET", listPath)->param("search"), "15");
    EXPECT_EQ(backend.count("GET", listPath + "/pesquisa/15"), 0u);
    window()->SpeedButtonClose->click();
    FlushDeletes();

    // A value set in code is an id, found directly.
    routeRecord(7, "BETO");
    item.SetValueControl(QStringLiteral("7"));
    FlushDeletes();
    EXPECT_EQ(item.Id, 7);
    EXPECT_EQ(edit->text(), QStringLiteral("BETO"));
    EXPECT_TRUE(item.CodigoPersonalizado);
    EXPECT_EQ(apoioShown.Shown, 1);
}

TEST_F(PesquisaTest, UnknownIdWarnsOnceAndLeavesTheControlEmpty)
{
    search(QStringLiteral("99"));
    FlushDeletes();
    QCoreApplication::processEvents();

    EXPECT_EQ(backend.count("GET", listPath + "/pesquisa/99"), 1u);
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Informações não localizadas.") });
    EXPECT_EQ(item.Id, 0);
    EXPECT_TRUE(found.isEmpty());
}

struct TextCase
{
    const char *name;
    const char *text;
};
void PrintTo(const TextCase &row, std::ostream *os)
{
    *os << row.name;
}

class PesquisaTextTest : public PesquisaTest, public ::testing::WithParamInterface<TextCase>
{
};

TEST_P(PesquisaTextTest, OpensTheWindowAlreadySearched)
{
    backend.on("GET", listPath, [](const RecordedRequest &request) { return pageOf(3, request); });
    const QString text = QString::fromUtf8(GetParam().text);
    search(text);

    ASSERT_TRUE(waitFor([this] { return apoioShown.Shown > 0; }));
    TFormBasePesquisa *form = window();
    ASSERT_NE(form, nullptr);
    const auto request = backend.last("GET", listPath);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(QString::fromStdString(request->param("search").value_or("")), text.toUpper());
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_EQ(backend.requests().size() - backend.count("POST", "/auth"), 1u);
    EXPECT_EQ(form->VertScrollBoxDados->controls().size(), 3);
    EXPECT_EQ(form->RectanglePrincipal->parentWidget(), principal().LayoutApoio);
    EXPECT_FALSE(principal().LayoutPrincipal->isEnabled());
    // One page: no paging part, a footer of one line.
    EXPECT_FALSE(form->LayoutControl->isVisibleTo(form->RectangleFooter));
    EXPECT_EQ(form->RectangleFooter->height(), 30);

    form->SpeedButtonClose->click();
    FlushDeletes();
    EXPECT_TRUE(TApplicationZunta::GetInstance().OpenedPesquisa.isNull());
    EXPECT_FALSE(principal().LayoutApoio->isVisible());
    EXPECT_TRUE(principal().LayoutPrincipal->isEnabled());
    EXPECT_EQ(item.Id, 0);
    EXPECT_EQ(edit->text(), text);
}

const TextCase textCases[] = {
    { "Zero", "0" },
    { "Letters", "abc" },
    { "ElevenDigits", "12345678901" },
};
INSTANTIATE_TEST_SUITE_P(Texts,
                         PesquisaTextTest,
                         ::testing::ValuesIn(textCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PesquisaTest, SingleMatchIsChosenWithoutShowingTheWindow)
{
    backend.on(
        "GET",
        listPath,
        FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":7,"descricao":"ANA"}]})"));
    routeRecord(7, "ANA");
    // The choice comes after the list has completed: the window's controls are restored.
    bool restoredAtChoice = false;
    item.ProcPesquisa = [this, &restoredAtChoice](TBaseDto *ARecord, TTypeEventProc AEvent) {
        if (AEvent != TTypeEventProc::epSearch)
            return;
        found << ARecord->Id;
        TFormBasePesquisa *form = window();
        restoredAtChoice = form && form->SpeedButtonClose->isEnabled()
            && form->LayoutControlsForm->isEnabled()
            && form->RectangleFooter->isVisibleTo(form->LayoutControlsForm);
    };
    search(QStringLiteral("ana"));

    ASSERT_TRUE(waitFor([this] { return item.Id == 7; }));
    FlushDeletes();
    EXPECT_EQ(found, QList<std::int64_t> { 7 });
    EXPECT_TRUE(restoredAtChoice);
    EXPECT_EQ(edit->text(), QStringLiteral("ANA"));
    EXPECT_EQ(caption->text(), QStringLiteral("Pessoa - ID: 7"));
    EXPECT_EQ(apoioShown.Shown, 0);
    EXPECT_TRUE(TApplicationZunta::GetInstance().OpenedPesquisa.isNull());
    EXPECT_TRUE(principal().LayoutPrincipal->isEnabled());
}

TEST_F(PesquisaTest, NoMatchWarnsAndEndsTheLookupUnseen)
{
    backend.on("GET", listPath, [](const RecordedRequest &request) { return pageOf(0, request); });
    search(QStringLiteral("zeca"));

    // The lookup may end before the warning, which comes from the list's failure step, is shown.
    ASSERT_TRUE(waitFor([this] { return lookupEnded() && !dialogs.messageTexts().isEmpty(); }));
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Informações não localizadas.") });
    EXPECT_EQ(apoioShown.Shown, 0);
    EXPECT_EQ(item.Id, 0);
    EXPECT_EQ(edit->text(), QStringLiteral("zeca"));
}

TEST_F(PesquisaTest, EmptyEditShowsTheWindowAndTypedLettersPageInUpperCase)
{
    backend.on(
        "GET", listPath, [](const RecordedRequest &request) { return pageOf(250, request); });
    search(QString());

    TFormBasePesquisa *form = window();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(apoioShown.Shown, 1);
    EXPECT_EQ(backend.count("GET", listPath), 0u);
    EXPECT_TRUE(form->VertScrollBoxDados->controls().isEmpty());
    EXPECT_FALSE(form->LayoutControl->isVisibleTo(form->RectangleFooter));
    EXPECT_EQ(form->RectangleFooter->height(), 30);

    typeText(form->EditPesquisar, QStringLiteral("ana"));
    EXPECT_EQ(form->EditPesquisar->text(), QStringLiteral("ANA"));
    pressKey(form->EditPesquisar, Qt::Key_Return);
    ASSERT_TRUE(waitFor([form] { return form->LabelPaginacao->text() == "0001/0003"; }));
    ASSERT_TRUE(waitFor([form] { return form->SpeedButtonClose->isEnabled(); }));
    EXPECT_EQ(backend.last("GET", listPath)->param("search"), "ANA");
    EXPECT_EQ(form->LabelRegistrosListados->text(), QStringLiteral("0000000100"));
    EXPECT_TRUE(form->LayoutControl->isVisibleTo(form->RectangleFooter));
    EXPECT_EQ(form->RectangleFooter->height(), 60);
    EXPECT_FALSE(form->SpeedButtonFirst->isEnabled());
    EXPECT_FALSE(form->SpeedButtonPrior->isEnabled());
    EXPECT_TRUE(form->SpeedButtonNext->isEnabled());
    EXPECT_TRUE(form->SpeedButtonLast->isEnabled());

    form->SpeedButtonLast->click();
    ASSERT_TRUE(waitFor([form] { return form->LabelPaginacao->text() == "0003/0003"; }));
    ASSERT_TRUE(waitFor([form] { return form->SpeedButtonClose->isEnabled(); }));
    EXPECT_EQ(backend.last("GET", listPath)->param("page"), "3");
    EXPECT_EQ(form->LabelRegistrosListados->text(), QStringLiteral("0000000050"));
    EXPECT_EQ(form->VertScrollBoxDados->controls().size(), 50);
    EXPECT_FALSE(form->SpeedButtonNext->isEnabled());
    EXPECT_FALSE(form->SpeedButtonLast->isEnabled());

    // A letter more empties the list until the next search.
    typeText(form->EditPesquisar, QStringLiteral("x"));
    EXPECT_TRUE(form->VertScrollBoxDados->controls().isEmpty());
    EXPECT_EQ(form->LabelPaginacao->text(), QStringLiteral("0003/0003"));

    // Picking a row hands its record to the control and ends the lookup.
    routeRecord(1, "ITEM 1");
    pressKey(form->EditPesquisar, Qt::Key_Return);
    ASSERT_TRUE(waitFor([form] {
        return form->SpeedButtonClose->isEnabled()
            && !form->VertScrollBoxDados->controls().isEmpty();
    }));
    auto *row
        = qobject_cast<TFrameBaseAdapterPesquisa *>(form->VertScrollBoxDados->controls().first());
    ASSERT_NE(row, nullptr);
    row->SpeedButtonSelect->click();
    FlushDeletes();
    EXPECT_EQ(item.Id, 1);
    EXPECT_EQ(caption->text(), QStringLiteral("Pessoa - ID: 1"));
    EXPECT_TRUE(TApplicationZunta::GetInstance().OpenedPesquisa.isNull());
    EXPECT_FALSE(principal().LayoutApoio->isVisible());
}

} // namespace
