// 1,000 sequential findById calls through the base service against the fake back end on
// loopback, beside the same 1,000 requests (same address, query, headers) made with bare libcurl
// on one reused handle: the cost of the service layer (reset, token check, headers, parsing the
// reply into an object) over the transport itself.

#include "App.Base.Service.h"
#include "App.Lib.Service.Connection.h"
#include "Common.Dto.ListaSistema.h"
#include "FakeBackend.h"
#include "RestRequest.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <string>

namespace {

constexpr int CallsPerIteration = 1000;

const char *const RowJson
    = R"({"id":15,"codigo":"SP","descricao":"São Paulo","tipo":"UNIDADE_FEDERATIVA",)"
      R"("nameClass":"TListaSistemaDto"})";

class TUnidadeFederativaService final : public TBaseService
{
public:
    TUnidadeFederativaService()
        : TBaseService(QStringLiteral("TUnidadeFederativaService"))
    { }
};

// One fake back end and one configured connection for the whole run.
struct Environment
{
    FakeBackend backend;
    QTemporaryDir folder;
    std::string token;

    Environment()
    {
        TRestRequest::GlobalInit();
        backend.on("GET", "/unidade-federativa/15", FakeReply::json(RowJson));
        backend.writeConfig(folder.path());
        qputenv("ZUNTA_HOME", folder.path().toUtf8());
        TServiceConnection::ResetInstance();
        // Authenticate once, so that both loops send a valid bearer token.
        TUnidadeFederativaService service;
        service.findById<TListaSistemaDto>(15);
        token = backend.last("GET", "/unidade-federativa/15")->header("Authorization").value();
    }
};

Environment &environment()
{
    static Environment instance;
    return instance;
}

size_t collect(char *data, size_t size, size_t count, void *user)
{
    static_cast<std::string *>(user)->append(data, size * count);
    return size * count;
}

void BM_ServiceFindById(benchmark::State &state)
{
    environment();
    TUnidadeFederativaService service;
    for (auto _ : state) {
        for (int call = 0; call < CallsPerIteration; ++call) {
            auto row = service.findById<TListaSistemaDto>(15);
            benchmark::DoNotOptimize(row);
        }
    }
    environment().backend.clearRequests();
    state.SetItemsProcessed(state.iterations() * CallsPerIteration);
}
BENCHMARK(BM_ServiceFindById)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BareCurlGet(benchmark::State &state)
{
    Environment &env = environment();
    const std::string url = env.backend.origin() + "/unidade-federativa/15?page=1&limit=100";
    CURL *curl = curl_easy_init();
    curl_slist *headers = nullptr;
    headers = curl_slist_append(headers, "Accept: application/json;charset=UTF-8");
    headers = curl_slist_append(headers, "Accept-Charset: utf-8, *;q=0.8");
    headers = curl_slist_append(headers, "X-Paginate: true");
    headers = curl_slist_append(headers, ("Authorization: " + env.token).c_str());
    std::string body;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "gzip");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 45000L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    for (auto _ : state) {
        for (int call = 0; call < CallsPerIteration; ++call) {
            body.clear();
            if (curl_easy_perform(curl) != CURLE_OK)
                state.SkipWithError("transfer failed");
            benchmark::DoNotOptimize(body);
        }
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    env.backend.clearRequests();
    state.SetItemsProcessed(state.iterations() * CallsPerIteration);
}
BENCHMARK(BM_BareCurlGet)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
