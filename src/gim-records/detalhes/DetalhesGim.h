#pragma once
// The detail records of a critique run, one object per sub-type, read line by line during the pass.

#include "gim-records/detalhes/Reg8819.h"
#include "gim-records/detalhes/Reg8820.h"
#include "gim-records/detalhes/Reg8821.h"
#include "gim-records/detalhes/Reg8822.h"
#include "gim-records/detalhes/Reg8823.h"
#include "gim-records/detalhes/Reg8824.h"
#include "gim-records/detalhes/Reg8825.h"
#include "gim-records/detalhes/Reg8826.h"
#include "gim-records/detalhes/Reg8827.h"
#include "gim-records/detalhes/Reg8829.h"
#include "gim-records/detalhes/Reg8830.h"

namespace zq {

struct DetalhesGim {
    TReg8819 encerrantes;
    TReg8820 estoqueTanques;
    TReg8821 creditosSt;
    TReg8822 ressarcimentos;
    TReg8823 debitosSt;
    TReg8824 acoesJudiciais;
    TReg8825 chequesHabitacaoEducacao;
    TReg8826 veiculos;
    TReg8827 aquisicoesFarmaceuticas;
    TReg8828 saidasFarmaceuticas;
    TReg8829 valoresAdicionados;
    TReg8830 reciboMesAnterior;
};

}  // namespace zq
