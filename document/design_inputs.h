// A copy of the whole input of a design (project, section, materials, loads, prestressing and
// options), for a routine that changes the input to try something and puts it back afterwards.
#pragma once

#include "document/kordel_doc.h"

namespace kordel {

struct DesignInputs : ProjectModel,
                      SectionModel,
                      MaterialsModel,
                      LoadsModel,
                      PrestressModel,
                      OptionsModel {
    explicit DesignInputs(const CKordelDoc& doc)
        : ProjectModel(doc),
          SectionModel(doc),
          MaterialsModel(doc),
          LoadsModel(doc),
          PrestressModel(doc),
          OptionsModel(doc) {}

    /// Puts the copied input back into `doc`.
    void PutBack(CKordelDoc& doc) const {
        static_cast<ProjectModel&>(doc) = *this;
        static_cast<SectionModel&>(doc) = *this;
        static_cast<MaterialsModel&>(doc) = *this;
        static_cast<LoadsModel&>(doc) = *this;
        static_cast<PrestressModel&>(doc) = *this;
        static_cast<OptionsModel&>(doc) = *this;
    }
};

}  // namespace kordel
