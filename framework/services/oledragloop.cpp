#include "framework/services/oledragloop.h"

namespace fw {

namespace {

HRESULT SystemDragLoop(IDataObject* Data, IDropSource* Source, DWORD OkEffects, DWORD* Effect) {
  return ::DoDragDrop(Data, Source, OkEffects, Effect);
}

}  // namespace

constinit Service<HRESULT(IDataObject*, IDropSource*, DWORD, DWORD*)> OleDragLoop{&SystemDragLoop};

}  // namespace fw
