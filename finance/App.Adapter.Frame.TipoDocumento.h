#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the document-type list: the description and the abbreviation.
class TTipoDocumentoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TTipoDocumentoFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleSigla;
    TLabel *LabelSigla;
};
