#pragma once

#include "App.Base.Form.View.h"

#include <QString>

#include <cstdint>
#include <functional>

class TLabel;
class TMemo;
class TRectangle;

// The free text asked of the user before a removal or a cancellation, a manual occurrence
// written about a record, or a text shown read-only (among them all the occurrences of a
// record). Always hosted by a TFormContainer: the caller creates it, sets what it needs, hosts
// it, then frees the container and the view.
//
// The save button refuses an empty reason or one made only of blanks; otherwise it runs the
// caller's ProcSalvar (which reads MemoOcorrencia itself) or, without one, asks and posts a
// manual occurrence about IdObjeto under NomeClasse on a worker. Either way it closes the view
// as its close button does once the work is done.
class TFormSubViewOcorrenciaManual final : public TFormBaseView
{
public:
    explicit TFormSubViewOcorrenciaManual(QWidget *AParent = nullptr);

    TLabel *LabelTitleOcorrencia;
    TMemo *MemoOcorrencia;
    TRectangle *RectangleGravar;
    TLabel *LabelGravar;

    void SetIdObjeto(std::int64_t Value) { FIdObjeto = Value; }
    void SetNomeClasse(const QString &Value) { FNomeClasse = Value; }
    // Read-only: memo read-only, save button hidden, title "OCORRÊNCIAS"; editable: title
    // "OCORRÊNCIA MANUAL". Callers with their own instruction set the title after this.
    void SetSomenteLeitura(bool Value);
    // The caller's action run by the save button instead of posting a manual occurrence.
    void SetProcSalvar(std::function<void()> Value) { FProcSalvar = std::move(Value); }
    // No success message after ProcSalvar.
    void SetNaoMostrarMensagem(bool Value) { FNaoMostrarMensagem = Value; }

    // Loads the occurrences of IdObjeto under NomeClasse into the memo on a worker; without an
    // id or a class name it only warns that nothing was found. Called before hosting the view.
    void pesquisarOcorrencias();
    // The save button.
    void RectangleGravarClick();

    void ApplyThemeApp() override;

private:
    std::int64_t FIdObjeto = 0;
    QString FNomeClasse;
    bool FSomenteLeitura = false;
    std::function<void()> FProcSalvar;
    bool FNaoMostrarMensagem = false;
};
