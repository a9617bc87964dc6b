"""Minimal reader of the R serialization format (XDR) and of lazy-load
databases (.rdb/.rdx), enough for the spatial data frames of the
Natural Earth data package.  Used only by gen_map_data.py."""
import struct, zlib, gzip, lzma, bz2
class R:
    def __init__(s, b): s.b=b; s.p=0; s.refs=[]
    def i(s):
        v=struct.unpack_from('>i',s.b,s.p)[0]; s.p+=4; return v
    def header(s):
        assert s.b[:2]==b'X\n', s.b[:2]; s.p=2
        v=s.i(); s.i(); s.i()
        if v==3: n=s.i(); s.p+=n
    def item(s):
        f=s.i(); t=f&0xff; attr=f&(1<<9); tag=f&(1<<10)
        if t==255:
            k=f>>8
            if k==0: k=s.i()
            return s.refs[k-1]
        if t in (254,253,252,251,250,242,241): return None
        if t in (249,248,247):
            s.i(); n=s.i(); v=[s.item() for _ in range(n)]; s.refs.append(('ns',v)); return s.refs[-1]
        if t==1:
            x=('sym',s.item()); s.refs.append(x); return x
        if t in (2,6,3,5,17,239,240):
            a=s.item() if attr else None
            tg=s.item() if tag else None
            car=s.item(); cdr=s.item()
            lst=[(tg,car)]
            if isinstance(cdr,list): lst+=cdr
            return lst
        if t==4:
            d={}; s.refs.append(d); s.i()
            d['enclos']=s.item(); d['frame']=s.item(); d['hash']=s.item(); d['attr']=s.item(); return d
        if t==9:
            n=s.i()
            if n==-1: return None
            v=s.b[s.p:s.p+n].decode('latin1'); s.p+=n; return v
        if t==238:
            info=s.item(); state=s.item(); a=s.item()
            cls=info[0][1][1]
            if cls=='compact_intseq':
                n,st,inc=state; return [int(st+k*inc) for k in range(int(n))]
            if cls=='compact_realseq':
                n,st,inc=state; return [st+k*inc for k in range(int(n))]
            if cls=='deferred_string':
                return state
            if cls=='wrap_real' or cls=='wrap_integer' or cls=='wrap_string' or cls=='wrap_logical':
                return state[0][1] if isinstance(state,list) else state
            raise Exception('altrep '+cls)
        if t in (10,13,14,15,16,19,20,24,25):
            if t==25:
                v={}
            else:
                n=s.i()
                if n==-1: n=(s.i()<<32)+s.i()
                if t in (10,13): v=list(struct.unpack_from('>%di'%n,s.b,s.p)); s.p+=4*n
                elif t==14: v=list(struct.unpack_from('>%dd'%n,s.b,s.p)); s.p+=8*n
                elif t==15: v=list(struct.unpack_from('>%dd'%(2*n),s.b,s.p)); s.p+=16*n
                elif t==24: v=s.b[s.p:s.p+n]; s.p+=n
                else: v=[s.item() for _ in range(n)]
            if attr:
                at=s.item()
                v=Obj(v,{(k[1] if k else None):x for k,x in at})
            return v
        raise Exception('type %d at %d'%(t,s.p))
class Obj:
    def __init__(s,v,a): s.v=v; s.a=a
def unz(b):
    n=struct.unpack_from('>I',b,0)[0]
    c=b[4:5]
    if c==b'Z': return lzma.decompress(b[5:],format=lzma.FORMAT_RAW,filters=[{'id':lzma.FILTER_LZMA2,'preset':9|lzma.PRESET_EXTREME}])
    if c==b'2': return bz2.decompress(b[5:])
    if c==b'0': return b[5:]
    return zlib.decompress(b[4:])
def load(dbdir, name):
    idx=R(gzip.open(dbdir+'.rdx').read() if open(dbdir+'.rdx','rb').read(2)==b'\x1f\x8b' else unz(open(dbdir+'.rdx','rb').read()))
    idx.header(); ix=idx.item()
    names=ix.a[None] if None in ix.a else ix.a['names']
    vars_=ix.v[names.index('variables')]
    vn=vars_.a['names']
    off,ln=vars_.v[vn.index(name)]
    raw=open(dbdir+'.rdb','rb').read()[off:off+ln]
    r=R(unz(raw)); r.header(); return r.item()
