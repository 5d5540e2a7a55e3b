#pragma once
// Qt models over the core's in-memory tables: the columns a grid names, with the labels, masks and display
// texts of the core's field descriptions. A boolean column is a check box; when the model is editable one
// click on its cell (Alternar) changes the row through the callback given.

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "main-window/TextoQt.h"
#include "selection/tabelas/TabelaMemoria.h"

namespace zq::janela {

// A field's value with the literals of its edit mask ("99.999.999-9;0;_"); the value as it is when it does
// not fill the mask.
std::string ComMascara(const std::string& mascara, const std::string& valor);

class TModeloTabelaBase : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    // The table changed under the model.
    void Recarregar();
    // The index of the field in the grid's columns, -1 when it is not shown.
    virtual int Coluna(const QString& nome) const = 0;
    virtual bool Alternar(const QModelIndex& indice) = 0;

signals:
    void Recarregada();
};

template <class TLinha>
class TModeloTabela final : public TModeloTabelaBase {
public:
    using Tabela = TTabelaMemoria<TLinha>;
    using Marcar = std::function<void(std::size_t linha, bool marcado)>;

    TModeloTabela(Tabela& tabela, const std::vector<std::string>& colunas, QObject* pai = nullptr)
        : TModeloTabelaBase(pai), tabela_(tabela) {
        for (const auto& nome : colunas) {
            if (const auto* campo = tabela.CampoPorNome(nome)) campos_.push_back(campo);
        }
    }

    void DefinirMarcar(Marcar marcar) { marcar_ = std::move(marcar); }
    // A grid's own title for a column, in place of the field's label.
    void DefinirTitulo(const QString& nome, const QString& titulo) {
        const int coluna = Coluna(nome);
        if (coluna >= 0) titulos_[coluna] = titulo;
    }

    int rowCount(const QModelIndex& pai = {}) const override {
        return pai.isValid() ? 0 : static_cast<int>(tabela_.Quantidade());
    }
    int columnCount(const QModelIndex& pai = {}) const override {
        return pai.isValid() ? 0 : static_cast<int>(campos_.size());
    }
    int Coluna(const QString& nome) const override {
        for (std::size_t i = 0; i < campos_.size(); ++i) {
            if (DoNucleo(campos_[i]->Definicao.Nome) == nome) return static_cast<int>(i);
        }
        return -1;
    }

    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override {
        if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0 ||
            secao >= static_cast<int>(campos_.size())) {
            return TModeloTabelaBase::headerData(secao, orientacao, papel);
        }
        if (const auto titulo = titulos_.find(secao); titulo != titulos_.end()) return titulo->second;
        const TDefinicaoCampo& definicao = campos_[secao]->Definicao;
        return DoNucleo(definicao.Rotulo.empty() ? definicao.Nome : definicao.Rotulo);
    }

    QVariant data(const QModelIndex& indice, int papel) const override {
        if (!indice.isValid() || indice.row() >= rowCount()) return {};
        const auto& campo = *campos_[indice.column()];
        const TLinha& linha = tabela_.Linhas()[indice.row()];
        if (campo.Definicao.Tipo == TTipoCampo::Logico) {
            if (papel != Qt::CheckStateRole) return {};
            return tabela_.Texto(linha, campo) == "1" ? Qt::Checked : Qt::Unchecked;
        }
        if (papel != Qt::DisplayRole && papel != Qt::ToolTipRole) return {};
        return DoNucleo(ComMascara(campo.Definicao.Mascara, tabela_.Texto(linha, campo)));
    }

    Qt::ItemFlags flags(const QModelIndex& indice) const override {
        if (!indice.isValid()) return Qt::NoItemFlags;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    // One click on a check-box cell inverts it, when the model is editable.
    bool Alternar(const QModelIndex& indice) override {
        if (!marcar_ || !indice.isValid() || campos_[indice.column()]->Definicao.Tipo != TTipoCampo::Logico) return false;
        marcar_(static_cast<std::size_t>(indice.row()), data(indice, Qt::CheckStateRole).toInt() != Qt::Checked);
        emit dataChanged(indice, indice, {Qt::CheckStateRole});
        return true;
    }

private:
    Tabela& tabela_;
    std::vector<const typename Tabela::Campo*> campos_;
    Marcar marcar_;
    std::map<int, QString> titulos_;
};

}  // namespace zq::janela
