// act-standin.dll: the in-process server of ACT!'s Database class over the stand-in engine.

#include "platform/actole/AutomationError.h"
#include "platform/actole/DispatchIds.h"
#include "platform/actole/com/ComObjectFactory.h"
#include "platform/actole/standin/StandInEngine.h"
#include "platform/actole/standin/com/ClassFactory.h"

#include <system_error>

namespace {

using veltrano::ole::com::ClassIdOf;
using veltrano::ole::com::LiveObjects;

// COM asks DllCanUnloadNow without any context, so the DLL keeps its one count of the objects
// and locks it gave out.
const std::shared_ptr<LiveObjects>& ModuleObjects() {
    static const auto live = std::make_shared<LiveObjects>();
    return live;
}

// Database.Open(""): the database the running ACT! (a stand-in or the real one) has open.
std::string RunningDatabase() {
    try {
        veltrano::ole::com::ComObjectFactory objects(veltrano::ole::classid::kDatabaseClass);
        const auto application = objects.CreateObject(veltrano::ole::classid::kApplicationProgId);
        return application->CallByName("GetOpenDBName").AsString();
    } catch (const veltrano::ole::AutomationError&) {
        return {};
    } catch (const std::system_error&) {
        return {};
    }
}

} // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
    using namespace veltrano;
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    try {
        if (!IsEqualCLSID(classId, ClassIdOf(ole::classid::kDatabaseClass))) {
            return CLASS_E_CLASSNOTAVAILABLE;
        }
        const auto factory = ole::standin::com::ClassFactory::Create(
            [] { return ole::standin::CreateStandInDatabase(RunningDatabase); }, ModuleObjects(),
            ClassIdOf(ole::classid::kDatabaseInterface));
        return factory->QueryInterface(iid, object);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception&) {
        return E_UNEXPECTED;
    }
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return ModuleObjects()->Count() == 0 ? S_OK : S_FALSE;
}
