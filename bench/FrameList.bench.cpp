// Row frames of a list built offscreen in a shown window: 100 rows (a search page) and 5,000
// rows (a child list read at once), each a registration row with four labels filled from the
// table, through the child-list fill (clear, build, place, show). Each iteration ends when the
// event loop has nothing left to do, so the layout and the first paint are counted. The counter
// "longest_gap_ms" is the longest time the event loop went without running a 1 ms timer while
// the fill ran: how long the window stood frozen.
//
// The fill builds the rows in sight; BM_ChildListScrollToEnd then drags the view to the end of
// the list and runs the event loop until every row is built, as a user scrolling through it all.

#include "App.Base.Adapter.Cadastro.h"
#include "App.Base.Presenter.Cadastro.h"
#include "App.Lib.FrameList.h"
#include "BenchListPage.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Entity.h"
#include "Label.h"
#include "MemTable.h"
#include "ScrollBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLayout>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

class TLinhaBenchEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TLinhaBenchEntity)
};
BOOST_DESCRIBE_STRUCT(TLinhaBenchEntity, (TBaseEntity), ())

class TLinhaBenchService final : public TBaseService
{
public:
    TLinhaBenchService()
        : TBaseService(QStringLiteral("TLinhaBenchService"))
    { }
};

class TLinhaBenchPresenter final : public TBaseCadastroPresenter
{
public:
    TLinhaBenchPresenter()
        : TBaseCadastroPresenter(QStringLiteral("TLinhaBenchPresenter"))
    { }

protected:
    void CreateFieldsDataSet() override
    {
        TBaseCadastroPresenter::CreateFieldsDataSet();
        TMemTable &table = DataSetInfo();
        for (const char *name : { "ID_PESSOA", "ID_CONTRATO", "ID_EMPRESA" })
            table.AddField(name, TFieldType::LargeInt);
        for (const char *name : { "NUMERO_CONTRATO", "DIA_VENCIMENTO" })
            table.AddField(name, TFieldType::Integer);
        for (const char *name :
             { "NOME", "CPF_CNPJ", "EMAIL", "TELEFONE", "ENDERECO", "CIDADE", "UF" })
            table.AddField(name, TFieldType::String, 100);
        for (const char *name : { "VALOR", "VALOR_DESCONTO", "VALOR_PAGO" })
            table.AddField(name, TFieldType::Float)->SetDisplayFormat(",0.00");
        for (const char *name : { "DATA_VENCIMENTO", "DATA_PAGAMENTO" })
            table.AddField(name, TFieldType::DateTime)->SetDisplayFormat("dd/mm/yyyy");
        for (const char *name : { "IS_ATIVO", "IS_PAGO" })
            table.AddField(name, TFieldType::Boolean);
    }
    std::unique_ptr<TBaseEntity> CreateEntity() override
    {
        return std::make_unique<TLinhaBenchEntity>();
    }
    std::unique_ptr<TBaseService> CreateService() override
    {
        return std::make_unique<TLinhaBenchService>();
    }
};

// An entity's row as the business windows write them: the registration row and its labels.
class TLinhaBenchFrameAdapter final : public TFrameBaseAdapterCadastro
{
public:
    explicit TLinhaBenchFrameAdapter(QWidget *AOwner)
        : TFrameBaseAdapterCadastro(AOwner)
    {
        auto makeLabel = [this](const char *name, int x, int y) {
            auto *label = new TLabel(LayoutInformacao, QString::fromLatin1(name));
            label->setPosition(x, y);
            label->setSize(220, 17);
            return label;
        };
        LabelNome = makeLabel("LabelNome", 120, 8);
        LabelCpfCnpj = makeLabel("LabelCpfCnpj", 120, 25);
        LabelTelefone = makeLabel("LabelTelefone", 360, 8);
        LabelCidade = makeLabel("LabelCidade", 360, 25);
        SetupLabels();
    }

    TLabel *LabelNome;
    TLabel *LabelCpfCnpj;
    TLabel *LabelTelefone;
    TLabel *LabelCidade;
};

struct Environment
{
    QWidget window;
    TVertScrollBox *scroll = new TVertScrollBox(&window, QStringLiteral("VertScrollBoxDados"));
    std::unique_ptr<TLinhaBenchPresenter> presenter
        = TBasePresenter::Create<TLinhaBenchPresenter>();
    TFrameList list;

    Environment()
    {
        window.resize(900, 700);
        scroll->setAlign(TAlignLayout::Client);
        window.show();
        list.SetVertScroll(scroll);
        list.SetPresenter(presenter.get());
        list.SetIsFillIds(true);
        list.SetProcFillFrameItem([this](TMemTable &DataSet, TFrameBaseAdapter *&frame) {
            auto *row = new TLinhaBenchFrameAdapter(scroll);
            row->LabelNome->setText(DataSet.FieldByName(QStringLiteral("NOME"))->AsString());
            row->LabelCpfCnpj->setText(DataSet.FieldByName(QStringLiteral("CPF_CNPJ"))->AsString());
            row->LabelTelefone->setText(
                DataSet.FieldByName(QStringLiteral("TELEFONE"))->AsString());
            row->LabelCidade->setText(DataSet.FieldByName(QStringLiteral("CIDADE"))->AsString());
            frame = row;
        });
        presenter->fillDataSetInfo(&rows());
    }

    static const TObjectList<TLinhaBenchDto> &rows()
    {
        static const TObjectList<TLinhaBenchDto> list = bench::makeRows();
        return list;
    }

    // Frees the rows of the previous fill, as the event loop would after it.
    static void freeClearedRows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

// Freed before the application object: widgets outliving it crash the exit.
std::unique_ptr<Environment> sharedEnvironment;

Environment &environment()
{
    if (!sharedEnvironment)
        sharedEnvironment = std::make_unique<Environment>();
    return *sharedEnvironment;
}

// Gives the first count rows of the table the parent 7, the others 8.
void selectChildren(Environment &env, int count)
{
    // Only the first rows of the table pass the filter.
    env.presenter->IdRegistroFK = 0;
    TMemTable &table = env.presenter->DataSetInfo();
    table.SetFiltered(false);
    table.First();
    int index = 0;
    while (!table.Eof()) {
        table.Edit();
        table.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->SetAsLargeInt(index < count ? 7 : 8);
        table.Post();
        table.Next();
        ++index;
    }
    env.presenter->IdRegistroFK = 7;
}

// The content needs the height of all the rows, built or not (65 high and 2 apart).
bool coversAllRows(const Environment &env, int count)
{
    return env.scroll->content()->layout()->minimumSize().height() == count * 67;
}

// A 1 ms timer: the longest wait between two of its runs is the longest freeze.
class Heartbeat
{
public:
    Heartbeat()
    {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { beat(); });
    }
    void start()
    {
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    void stop()
    {
        beat();
        m_timer.stop();
    }
    double longestMs() const { return double(m_longest) / 1e6; }

private:
    void beat()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

void BM_ChildListRows(benchmark::State &state)
{
    Environment &env = environment();
    const int count = int(state.range(0));
    selectChildren(env, count);

    Heartbeat heartbeat;
    for (auto _ : state) {
        state.PauseTiming();
        Environment::freeClearedRows();
        heartbeat.start();
        state.ResumeTiming();

        env.list.fillDadosSubCadastro(false, false, nullptr, {}, 0, {});
        QCoreApplication::processEvents();

        state.PauseTiming();
        heartbeat.stop();
        // Asking for the controls would build every row: the content's height tells instead.
        if (!coversAllRows(env, count)) {
            state.SkipWithError("content does not cover the rows");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["longest_gap_ms"] = heartbeat.longestMs();
}
BENCHMARK(BM_ChildListRows)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_ChildListScrollToEnd(benchmark::State &state)
{
    Environment &env = environment();
    const int count = int(state.range(0));
    selectChildren(env, count);
    Heartbeat heartbeat;
    for (auto _ : state) {
        state.PauseTiming();
        Environment::freeClearedRows();
        env.list.fillDadosSubCadastro(false, false, nullptr, {}, 0, {});
        QCoreApplication::processEvents();
        heartbeat.start();
        state.ResumeTiming();

        QScrollBar *bar = env.scroll->verticalScrollBar();
        bar->setValue(bar->maximum());
        while (env.scroll->hasPendingControls())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();

        state.PauseTiming();
        heartbeat.stop();
        if (env.scroll->controls().size() != count || !coversAllRows(env, count)) {
            state.SkipWithError("wrong row count");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["longest_gap_ms"] = heartbeat.longestMs();
}
BENCHMARK(BM_ChildListScrollToEnd)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

ZUNTA_DEFINE_CLASS(TLinhaBenchEntity)

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedEnvironment.reset();
    return 0;
}
