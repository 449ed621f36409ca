#include "App.Service.TipoDocumento.h"

ZUNTA_REGISTER_SERVICE(TTipoDocumentoService)

TTipoDocumentoService::TTipoDocumentoService()
    : TBaseService(QStringLiteral("TTipoDocumentoService"))
{ }
