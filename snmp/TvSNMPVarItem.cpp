#include "snmp/TvSNMPVarItem.h"

TvSNMPVarItem::TvSNMPVarItem(const TvSNMPVarDef& def)
    : Oid(def.Oid ? def.Oid : ""), Label(def.Label ? def.Label : ""), Syntax(def.Syntax), Access(def.Access),
      Options(def.Options), GetExpr(def.GetExpr ? def.GetExpr : ""), SetExpr(def.SetExpr ? def.SetExpr : ""),
      Note(def.Note ? def.Note : ""), Value(def.InitValue ? *def.InitValue : std::string()),
      CurrentOid(def.InitInstance ? *def.InitInstance : std::string()) {}
